#include "report/ReportPainter.h"

#include "report/TextMeasure.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace report {

namespace {

QPageSize pageSizeOf(const Layout& layout) {
    return QPageSize(QSizeF(layout.pageWidth / 1000.0, layout.pageHeight / 1000.0), QPageSize::Inch,
                     QString(), QPageSize::ExactMatch);
}

} // namespace

void paintPage(QPainter& painter, const Page& page) {
    const double dpiX = painter.device()->logicalDpiX();
    const double dpiY = painter.device()->logicalDpiY();
    painter.setPen(Qt::black);
    for (const PlacedItem& item : page.items) {
        const QFont font = FontMetricsMeasure::qfont(item.font);
        painter.setFont(font);
        const QFontMetricsF fm(font, painter.device());
        const double x = item.x * dpiX / 1000.0;
        double baseline = item.y * dpiY / 1000.0 + fm.ascent();
        for (const QString& line : item.lines) {
            painter.drawText(QPointF(x, baseline), line);
            baseline += fm.height();
        }
    }
}

void paintPages(QPagedPaintDevice& device, const Layout& layout, const std::vector<int>& pages) {
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("Unable to start printing");
    bool first = true;
    for (const int index : pages) {
        if (index < 0 || static_cast<std::size_t>(index) >= layout.pages.size())
            continue;
        if (!first && !device.newPage())
            throw std::runtime_error("Unable to start a new page");
        first = false;
        paintPage(painter, layout.pages[static_cast<std::size_t>(index)]);
    }
    painter.end();
}

QByteArray renderPdf(const Layout& layout, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Provendo"));
        writer.setPageLayout(QPageLayout(pageSizeOf(layout), QPageLayout::Portrait, QMarginsF()));
        std::vector<int> all(layout.pages.size());
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = static_cast<int>(i);
        paintPages(writer, layout, all);
    }
    buffer.close();
    return bytes;
}

} // namespace report

#include "report/ReportPreview.h"

#include "report/ReportPainter.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace report {

namespace {
constexpr int Gap = 16; // pixels around and between pages
}

PreviewArea::PreviewArea(const Layout& layout, QWidget* parent)
    : QAbstractScrollArea(parent), layout_(layout) {
    setObjectName(QStringLiteral("PreviewArea"));
    setAccessibleName(tr("Report pages"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(40);
}

QSize PreviewArea::pagePixels() const {
    return {layout_.pageWidth * viewport()->logicalDpiX() / 1000,
            layout_.pageHeight * viewport()->logicalDpiY() / 1000};
}

int PreviewArea::pageStride() const {
    return pagePixels().height() + Gap;
}

void PreviewArea::updateScrollBars() {
    const QSize page = pagePixels();
    const QSize view = viewport()->size();
    const int totalHeight = pageCount() * pageStride() + Gap;
    verticalScrollBar()->setRange(0, std::max(0, totalHeight - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * Gap - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
}

int PreviewArea::currentPage() const {
    if (pageCount() == 0)
        return 0;
    const int middle = verticalScrollBar()->value() + pageStride() / 2;
    return std::clamp(middle / pageStride(), 0, pageCount() - 1);
}

void PreviewArea::showPage(int page) {
    verticalScrollBar()->setValue(std::clamp(page, 0, std::max(0, pageCount() - 1)) * pageStride());
}

void PreviewArea::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QSize page = pagePixels();
    const int left =
        std::max(Gap, (viewport()->width() - page.width()) / 2) - horizontalScrollBar()->value();
    const int top = verticalScrollBar()->value();
    const int first = std::max(0, (top - Gap) / pageStride());
    for (int i = first; i < pageCount(); ++i) {
        const int y = Gap + i * pageStride() - top;
        if (y > viewport()->height())
            break;
        painter.fillRect(QRect(QPoint(left, y), page), Qt::white);
        painter.save();
        painter.translate(left, y);
        painter.setClipRect(QRect(QPoint(0, 0), page));
        paintPage(painter, layout_.pages[static_cast<std::size_t>(i)]);
        painter.restore();
    }
}

void PreviewArea::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PreviewArea::scrollContentsBy(int, int) {
    viewport()->update();
    emit currentPageChanged(currentPage());
}

void PreviewArea::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(currentPage() + 1);
        break;
    case Qt::Key_PageUp:
        showPage(currentPage() - 1);
        break;
    case Qt::Key_Home:
        showPage(0);
        break;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

ReportPreview::ReportPreview(const QString& caption, const Layout& layout, bool canPrint,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // The whole work area even where no window manager carries out the maximise.
    setGeometry((parent ? parent->screen() : screen())->availableGeometry());
    setWindowState(Qt::WindowMaximized);

    area_ = new PreviewArea(layout, this);
    auto addButton = [this](const char* name, const QString& text, const QString& tip) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    QToolButton* btnPrint = addButton("btnPrint", tr("&Print..."), tr("Print the report"));
    QToolButton* btnFirst = addButton("btnFirst", tr("|<"), tr("First page"));
    QToolButton* btnPrior = addButton("btnPrior", tr("<"), tr("Previous page"));
    QToolButton* btnNext = addButton("btnNext", tr(">"), tr("Next page"));
    QToolButton* btnLast = addButton("btnLast", tr(">|"), tr("Last page"));
    QToolButton* btnClose = addButton("btnClose", tr("&Close"), tr("Close the preview"));
    lblPage = new QLabel(this);
    lblPage->setObjectName(QStringLiteral("lblPage"));
    btnPrint->setEnabled(canPrint);
    if (!canPrint)
        btnPrint->setToolTip(tr("No printers installed!"));

    connect(btnPrint, &QToolButton::clicked, this,
            [this] { emit printRequested(area_->currentPage() + 1); });
    connect(btnFirst, &QToolButton::clicked, this, [this] { area_->showPage(0); });
    connect(btnPrior, &QToolButton::clicked, this,
            [this] { area_->showPage(area_->currentPage() - 1); });
    connect(btnNext, &QToolButton::clicked, this,
            [this] { area_->showPage(area_->currentPage() + 1); });
    connect(btnLast, &QToolButton::clicked, this,
            [this] { area_->showPage(area_->pageCount() - 1); });
    connect(btnClose, &QToolButton::clicked, this, &QDialog::accept);
    connect(area_, &PreviewArea::currentPageChanged, this, &ReportPreview::updatePageLabel);

    auto* bar = new QHBoxLayout;
    bar->addWidget(btnPrint);
    bar->addSpacing(12);
    for (QToolButton* b : {btnFirst, btnPrior, btnNext, btnLast})
        bar->addWidget(b);
    bar->addWidget(lblPage);
    bar->addStretch();
    bar->addWidget(btnClose);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(4, 4, 4, 4);
    layoutBox->addLayout(bar);
    layoutBox->addWidget(area_, 1);
    updatePageLabel(0);
    area_->setFocus();
}

void ReportPreview::updatePageLabel(int page) {
    lblPage->setText(tr("Page %1 of %2").arg(page + 1).arg(area_->pageCount()));
}

} // namespace report

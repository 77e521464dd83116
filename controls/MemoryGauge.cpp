#include "controls/MemoryGauge.h"

#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>

namespace controls {

MemoryGauge::MemoryGauge(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Memory"));
    connect(&timer_, &QTimer::timeout, this, &MemoryGauge::sample);
    setPercent(0);
}

void MemoryGauge::setSampler(Sampler sampler, int intervalMs) {
    sampler_ = std::move(sampler);
    timer_.stop();
    if (!sampler_)
        return;
    sample();
    timer_.start(intervalMs);
}

void MemoryGauge::sample() {
    setPercent(sampler_());
}

void MemoryGauge::setPercent(int percent) {
    percent_ = std::clamp(percent, 0, 100);
    const QString hint = QStringLiteral("%1: %2%").arg(tr("Memory")).arg(percent_);
    setToolTip(hint);
    setAccessibleDescription(hint);
    update();
}

QString MemoryGauge::text() const {
    return QStringLiteral("%1%").arg(percent_);
}

QSize MemoryGauge::sizeHint() const {
    return {153, fontMetrics().height() + 6};
}

void MemoryGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect();
    painter.fillRect(frame, palette().color(QPalette::Window));
    qDrawShadePanel(&painter, frame, palette(), true, 1);

    const QRect inside = frame.adjusted(2, 2, -2, -2);
    QRect bar = inside;
    bar.setWidth(inside.width() * percent_ / 100);
    painter.fillRect(bar, palette().color(QPalette::Highlight));

    // The text reads in the window's colour over the bar and in the text colour beside it.
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(inside, Qt::AlignCenter, text());
    painter.setClipRect(bar);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(inside, Qt::AlignCenter, text());
}

} // namespace controls

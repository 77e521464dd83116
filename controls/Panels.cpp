#include "controls/Panels.h"

#include <QEvent>
#include <QPainter>

namespace controls {

void StatusBorderPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
}

void GroovedToolBar::paintEvent(QPaintEvent* event) {
    QToolBar::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 0, width() - 1, 0);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(0, 1, width() - 1, 1);
}

void AutoSizeLabel::showEvent(QShowEvent* event) {
    adjustSize();
    QLabel::showEvent(event);
}

void AutoSizeLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && isVisible())
        adjustSize();
}

} // namespace controls

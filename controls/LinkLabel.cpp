#include "controls/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace controls {

LinkLabel::LinkLabel(const QString& caption, const QString& target, QWidget* parent)
    : QLabel(caption, parent), target_(target) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(target);
    setAccessibleName(caption);
    setAccessibleDescription(tr("Link to %1").arg(target));
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    applyColor();
}

void LinkLabel::activate() {
    if (!opener_)
        return;
    // The answer may come after the label (its dialog) is gone.
    opener_(target_, [self = QPointer<LinkLabel>(this)](bool opened) {
        if (opened && self)
            self->openedNow();
    });
}

void LinkLabel::openedNow() {
    if (!visited_) {
        visited_ = true;
        applyColor();
    }
    emit opened();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A press that is dragged off the link before release does not open it.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        activate();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void LinkLabel::applyColor() {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, visited_ ? visitedColor() : linkColor());
    setPalette(pal);
}

} // namespace controls

#include "controls/ContextMenuKey.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace controls {

ContextMenuKey::ContextMenuKey(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool ContextMenuKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F10 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::ShiftModifier)
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isEnabled())
        return false;
    // Where the Menu key puts the menu: at the text cursor or the current item.
    const QPoint at = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &request);
    return true;
}

} // namespace controls

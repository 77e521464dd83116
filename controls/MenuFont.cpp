#include "controls/MenuFont.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace controls {

MenuFont::MenuFont(const QFont& font, QObject* parent) : QObject(parent), font_(font) {
    qApp->installEventFilter(this);
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* menu = qobject_cast<QMenu*>(widget))
            menu->setFont(font_);
}

bool MenuFont::eventFilter(QObject* watched, QEvent* event) {
    // A menu is polished once, before it first shows.
    if (event->type() == QEvent::Polish)
        if (auto* menu = qobject_cast<QMenu*>(watched))
            menu->setFont(font_);
    return false;
}

} // namespace controls

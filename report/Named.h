#pragma once

#include <QObject>
#include <QString>

namespace report {

// A dialog's component with its object name, by which tests and settings find it.
template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace report

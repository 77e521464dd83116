#pragma once

#include <QString>

class QAction;
class QMenu;

// Menu entries and separators carry object names, because the settings store and the
// tests find them by name.
QAction* addMenuEntry(QMenu* menu, const char* name, const QString& caption);
void addMenuSeparator(QMenu* menu, const char* name);

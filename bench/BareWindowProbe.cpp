// A bare QMainWindow program, linked against Qt Widgets alone: the yardstick for the
// program's start-up. It exits at its first paint like the program's probe.
#include "bench/FirstPaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint probe;
    app.installEventFilter(&probe);
    QMainWindow window;
    window.show();
    return QApplication::exec();
}

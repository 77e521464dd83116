// Build tool: writes the program's picture as the PNG icons of an icon theme,
// <folder>/<size>x<size>/apps/<id>.png, drawn by the same code that draws it in the window.
#include "controls/ProgramIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkicons FOLDER ID\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(apps, id);
        if (!QDir().mkpath(apps) || !controls::programPicture(size).save(file, "PNG")) {
            std::fprintf(stderr, "mkicons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

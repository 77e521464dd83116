#include "controls/ProgramLook.h"

#include <QApplication>
#include <gtest/gtest.h>

// Tests below the window need an application object and, for widgets, the program's own
// style and fonts, which the program's start-up installs through the same call. Without a
// display they run offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    controls::installProgramLook();
    return RUN_ALL_TESTS();
}

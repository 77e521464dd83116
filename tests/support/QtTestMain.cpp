#include "app/ErrorBox.h"
#include "app/Fonts.h"
#include "controls/ProgramStyle.h"

#include <gtest/gtest.h>

// Widget tests need a QApplication; without a display they run offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    ProvendoApplication app(argc, argv);
    ProvendoApplication::setApplicationName(QStringLiteral("Provendo"));
    // The program's own style, so that widgets are drawn as users see them.
    ProvendoApplication::setStyle(new controls::ProgramStyle);
    Fonts::installSubstitutes();
    return RUN_ALL_TESTS();
}

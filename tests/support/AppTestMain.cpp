#include "app/ProgramStart.h"

#include <gtest/gtest.h>

// The window's tests start as the program does: the same application object, names,
// style and fonts. Without a display they run offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    ProgramStart start(argc, argv);
    return RUN_ALL_TESTS();
}

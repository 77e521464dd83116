#include "controls/ProgramLook.h"
#include "controls/ProgramStyle.h"

#include <QApplication>
#include <QFont>
#include <QPointer>
#include <gtest/gtest.h>

// The test main installs the look as the program's start-up does; installing it again
// replaces the style rather than stacking a second one.
TEST(ProgramLook, installsTheProgramStyleAndTheWindowFontSubstitutes) {
    controls::installProgramLook();
    QPointer<QStyle> first = QApplication::style();
    EXPECT_NE(qobject_cast<controls::ProgramStyle*>(first.data()), nullptr);
    controls::installProgramLook();
    EXPECT_NE(qobject_cast<controls::ProgramStyle*>(QApplication::style()), nullptr);
    EXPECT_TRUE(first.isNull()) << "the replaced style is deleted";

    // Qt keeps family names in lower case.
    const auto firstChoice = [](const char* family) {
        return QFont::substitutes(QString::fromLatin1(family)).value(0).toLower();
    };
    EXPECT_EQ(firstChoice("Trebuchet MS"), "cabin");
    EXPECT_EQ(firstChoice("MS Sans Serif"), "liberation sans");
    EXPECT_EQ(firstChoice("Arial"), "liberation sans");
}

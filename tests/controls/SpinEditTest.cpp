#include "controls/SpinEdit.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using controls::SpinEdit;

TEST(SpinEdit, parseReadsNumbersClampsAndTreatsOtherTextAsOne) {
    EXPECT_EQ(SpinEdit::parseClamped("7"), 7);
    EXPECT_EQ(SpinEdit::parseClamped("007"), 7);
    EXPECT_EQ(SpinEdit::parseClamped("+5"), 5);
    EXPECT_EQ(SpinEdit::parseClamped("250"), 100);
    EXPECT_EQ(SpinEdit::parseClamped("99999999999999999999"), 100);
    EXPECT_EQ(SpinEdit::parseClamped("0"), 1);
    EXPECT_EQ(SpinEdit::parseClamped("-3"), 1);
    EXPECT_EQ(SpinEdit::parseClamped(""), 1);
    EXPECT_EQ(SpinEdit::parseClamped("+"), 1);
    EXPECT_EQ(SpinEdit::parseClamped("dozen"), 1);
    EXPECT_EQ(SpinEdit::parseClamped("1 2"), 1);
}

TEST(SpinEdit, typingAcceptsDigitsAndOneLeadingSign) {
    EXPECT_TRUE(SpinEdit::acceptsChar('5', "12", 1, 0));
    EXPECT_TRUE(SpinEdit::acceptsChar('-', "12", 0, 0));
    EXPECT_FALSE(SpinEdit::acceptsChar('-', "12", 1, 0));
    EXPECT_FALSE(SpinEdit::acceptsChar('+', "-12", 0, 0));
    EXPECT_TRUE(SpinEdit::acceptsChar('+', "-12", 0, 1)); // replaces the selected sign
    EXPECT_FALSE(SpinEdit::acceptsChar('a', "", 0, 0));
    EXPECT_FALSE(SpinEdit::acceptsChar('.', "1", 1, 0));
}

TEST(SpinEdit, typedLettersAreRefusedAndTextNormalisesOnlyWhenFocusLeaves) {
    QWidget window;
    auto* spin = new SpinEdit(&window);
    auto* other = new QLineEdit(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    spin->editor()->setFocus();
    spin->editor()->selectAll();
    QTest::keyClicks(spin->editor(), "2x50");
    EXPECT_EQ(spin->text(), "250"); // kept verbatim while focused
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(spin->text(), "100");
}

TEST(SpinEdit, wordFromAFileShowsUnchangedUntilTheFieldIsLeft) {
    SpinEdit spin;
    spin.setText("dozen");
    EXPECT_EQ(spin.text(), "dozen");
    EXPECT_EQ(spin.value(), 1);
    spin.normalise();
    EXPECT_EQ(spin.text(), "1");
}

TEST(SpinEdit, arrowKeysStepByOneAndPageKeysByTenWithinRange) {
    SpinEdit spin;
    QLineEdit* edit = spin.editor();
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(spin.text(), "2");
    QTest::keyClick(edit, Qt::Key_PageUp);
    EXPECT_EQ(spin.text(), "12");
    QTest::keyClick(edit, Qt::Key_PageDown);
    QTest::keyClick(edit, Qt::Key_PageDown);
    EXPECT_EQ(spin.text(), "1");
    spin.setText("95");
    QTest::keyClick(edit, Qt::Key_PageUp);
    EXPECT_EQ(spin.text(), "100");
}

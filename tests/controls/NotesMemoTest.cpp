#include "controls/NotesMemo.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

using controls::NotesMemo;

TEST(NotesMemo, typingA256thCharacterIsRefused) {
    NotesMemo memo;
    memo.setPlainText(QString(254, QLatin1Char('a')));
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, "bc");
    EXPECT_EQ(memo.toPlainText().size(), 255);
    EXPECT_TRUE(memo.toPlainText().endsWith(QLatin1Char('b')));
}

TEST(NotesMemo, lineBreaksCountAsCrLf) {
    NotesMemo memo;
    memo.setPlainText(QString(253, QLatin1Char('a')));
    memo.moveCursor(QTextCursor::End);
    QTest::keyClick(&memo, Qt::Key_Return);
    EXPECT_EQ(memo.crlfText(), QString(253, QLatin1Char('a')) + "\r\n");
    QTest::keyClick(&memo, Qt::Key_Return);
    EXPECT_EQ(NotesMemo::crlfLength(memo.toPlainText()), 255);
}

TEST(NotesMemo, pastingIsCutAtTheLimit) {
    NotesMemo memo;
    memo.setPlainText(QString(250, QLatin1Char('a')));
    memo.moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("0123456789"));
    memo.paste();
    EXPECT_EQ(memo.toPlainText(), QString(250, QLatin1Char('a')) + "01234");
}

#include "controls/TabbedText.h"

#include <QFont>
#include <gtest/gtest.h>

using controls::layoutTabbedText;

TEST(TabbedText, quantityStartsAtTheFirstStopWhateverTheNameWidth) {
    const QFontMetrics fm(QFont(QStringLiteral("Liberation Sans"), 9));
    const int a = controls::averageCharWidth(fm);
    const auto runs = layoutTabbedText(QStringLiteral("Milk\t2"), {8}, fm);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].x, 0);
    EXPECT_EQ(runs[1].x, 8 * a);
    EXPECT_EQ(runs[1].text, QStringLiteral("2"));
}

TEST(TabbedText, negativeStopRightAlignsAndStopsBehindThePenAreSkipped) {
    const QFontMetrics fm(QFont(QStringLiteral("Liberation Sans"), 9));
    const int a = controls::averageCharWidth(fm);
    const QString text = QStringLiteral("a\tb\tc\td\tright");
    const auto runs = layoutTabbedText(text, {8, 16, 24, -40}, fm);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[4].x + fm.horizontalAdvance(QStringLiteral("right")), 40 * a);
    // A name longer than the first stop pushes its quantity to the next stop.
    const QString name(10, QLatin1Char('W'));
    ASSERT_GT(fm.horizontalAdvance(name), 8 * a);
    ASSERT_LT(fm.horizontalAdvance(name), 30 * a);
    const auto longName = layoutTabbedText(name + "\t1", {8, 30}, fm);
    EXPECT_EQ(longName[1].x, 30 * a);
}

TEST(TabbedText, tabsPastTheLastStopAdvanceByEightAverageWidths) {
    const QFontMetrics fm(QFont(QStringLiteral("Liberation Sans"), 9));
    const int a = controls::averageCharWidth(fm);
    const auto runs = layoutTabbedText(QStringLiteral("x\ty\tz"), {8}, fm);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[2].x, 16 * a);
}

#include "model/TabStops.h"

#include <gtest/gtest.h>

using namespace model;

TEST(TabStops, designedStopsDifferForDairy) {
    EXPECT_EQ(designedTabStops(0), (TabStops{8}));
    for (int c = 1; c < 10; ++c)
        EXPECT_EQ(designedTabStops(c), (TabStops{8, 16, 24, -32})) << c;
}

TEST(TabStops, averageWidthRoundsHalfToEven) {
    EXPECT_EQ(averageCharWidth(52 * 6), 6);
    EXPECT_EQ(averageCharWidth(52 * 6 + 25), 6);
    EXPECT_EQ(averageCharWidth(52 * 6 + 26), 6); // 6.5 goes to 6
    EXPECT_EQ(averageCharWidth(52 * 7 + 26), 8); // 7.5 goes to 8
    EXPECT_EQ(averageCharWidth(52 * 6 + 27), 7);
}

TEST(TabStops, designedHeaderChangesFirstStopOfDairyAndTwoOfTheOthers) {
    const std::vector<int> sections{300, 100};
    EXPECT_EQ(recomputeTabStops(designedTabStops(0), sections, 6), (TabStops{51}));
    EXPECT_EQ(recomputeTabStops(designedTabStops(3), sections, 6), (TabStops{51, 67, 24, -32}));
    EXPECT_EQ(recomputeTabStops(designedTabStops(3), sections, 7), (TabStops{43, 58, 24, -32}));
}

TEST(TabStops, negativeStopsAndExtraSectionsStayAlone) {
    EXPECT_EQ(recomputeTabStops({8, -16}, {50, 50, 50}, 5), (TabStops{11, -16}));
    EXPECT_EQ(recomputeTabStops({8, 16, 24}, {70}, 7), (TabStops{11, 16, 24}));
    EXPECT_EQ(recomputeTabStops({}, {70}, 7), (TabStops{}));
    EXPECT_EQ(recomputeTabStops({8}, {}, 7), (TabStops{8}));
}

#include "settings/PlacementRules.h"

#include <gtest/gtest.h>

using placement::restoredRect;
using placement::Screens;
using placement::Stored;

namespace {

// One 1280 by 1024 screen at the origin, its work area above a 40-pixel panel.
const Screens kOne{{1280, 1024}, {QRect(0, 0, 1280, 1024)}, QRect(0, 0, 1280, 984)};
const QRect kDesigned(217, 145, 709, 567);

} // namespace

TEST(PlacementRules, nothingStoredKeepsTheSizeAndMovesOrCentresOntoTheScreen) {
    EXPECT_EQ(restoredRect({}, kDesigned, false, kOne), kDesigned);
    EXPECT_EQ(restoredRect({}, QRect(900, 800, 709, 567), false, kOne),
              QRect(1280 - 709, 1024 - 567, 709, 567));
    EXPECT_EQ(restoredRect({}, QRect(-30, -5, 2000, 500), false, kOne), QRect(0, 0, 2000, 500));
    EXPECT_EQ(restoredRect({}, QRect(5, 5, 701, 567), true, kOne),
              QRect((1280 - 701) / 2, (1024 - 567) / 2, 701, 567));
}

TEST(PlacementRules, storedValuesFollowTheScreenResolutionRules) {
    // Saved at this resolution: never further right or lower than 20 pixels in, over the
    // panel or not.
    EXPECT_EQ(restoredRect({5000, 4000, 300, 200, "1280x1024"}, kDesigned, false, kOne),
              QRect(1260, 1004, 300, 200));
    // Saved at another: moved in until the right and bottom edges show.
    EXPECT_EQ(restoredRect({5000, 4000, 300, 200, "1920x1080"}, kDesigned, false, kOne),
              QRect(980, 824, 300, 200));
    EXPECT_EQ(restoredRect({-50, -7, 300, 200, "1280x1024"}, kDesigned, false, kOne),
              QRect(0, 0, 300, 200));
    // Only what was stored replaces the window's own.
    EXPECT_EQ(restoredRect({40, -1, -1, 300, "1280x1024"}, kDesigned, false, kOne),
              QRect(40, 145, 709, 300));
}

TEST(PlacementRules, aDamagedSizeBelowOnePixelIsNotTaken) {
    EXPECT_EQ(restoredRect({40, 30, 0, -16, "1280x1024"}, kDesigned, false, kOne),
              QRect(40, 30, 709, 567));
}

TEST(PlacementRules, aWindowOnAMonitorThatIsGoneComesBackToThePrimaryWorkArea) {
    // The left monitor of two has gone; the primary one kept its place on the right.
    const Screens rightOnly{{1920, 1080}, {QRect(1920, 0, 1920, 1080)}, QRect(1920, 0, 1920, 1050)};
    EXPECT_EQ(restoredRect({100, 100, 800, 600, "1920x1080"}, kDesigned, false, rightOnly),
              QRect(1920, 0, 800, 600));
    // Taller than the work area: cut to it.
    EXPECT_EQ(restoredRect({100, 100, 800, 1500, "1920x1080"}, kDesigned, false, rightOnly),
              QRect(1920, 0, 800, 1050));
    // A window that a remaining screen still shows stays where it is.
    const Screens both{{1920, 1080},
                       {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)},
                       QRect(1920, 0, 1920, 1050)};
    EXPECT_EQ(restoredRect({100, 100, 800, 600, "1920x1080"}, kDesigned, false, both),
              QRect(100, 100, 800, 600));
}

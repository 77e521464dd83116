#include "settings/PlacementRules.h"

#include <climits>
#include <gtest/gtest.h>

using placement::restoredRect;
using placement::Screens;
using placement::Stored;

namespace {

// One 1280 by 1024 screen at the origin, its work area above a 40-pixel panel.
const Screens kOne{{1280, 1024}, {{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 984)}}};
// The same screen as primary with a second 1920 by 1080 one to its right, whose work
// area leaves a 30-pixel panel at the top.
const Screens kTwo{{1280, 1024},
                   {{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 984)},
                    {QRect(1280, 0, 1920, 1080), QRect(1280, 30, 1920, 1050)}}};
const QRect kDesigned(217, 145, 709, 567);

// Whether the window's title bar and a useful part of it lie on one work area.
bool reachable(const QRect& window, const Screens& screens) {
    for (const placement::Screen& s : screens.all) {
        const QRect& area = s.workArea;
        const QRect shown = window.intersected(area);
        const bool topOnArea = window.top() >= area.top() &&
                               window.top() + placement::kVisibleHeight <= area.bottom() + 1;
        const bool wideEnough = shown.width() >= std::min(window.width(), placement::kVisibleWidth);
        if (topOnArea && wideEnough && window.width() <= area.width() &&
            window.height() <= area.height())
            return true;
    }
    return false;
}

} // namespace

TEST(PlacementRules, nothingStoredKeepsTheSizeAndMovesOrCentresOntoTheScreen) {
    EXPECT_EQ(restoredRect({}, kDesigned, false, kOne), kDesigned);
    EXPECT_EQ(restoredRect({}, QRect(900, 800, 709, 567), false, kOne),
              QRect(1280 - 709, 1024 - 567, 709, 567));
    EXPECT_EQ(restoredRect({}, QRect(-30, -5, 2000, 500), false, kOne), QRect(0, 0, 1280, 500));
    EXPECT_EQ(restoredRect({}, QRect(5, 5, 701, 567), true, kOne),
              QRect((1280 - 701) / 2, (1024 - 567) / 2, 701, 567));
}

TEST(PlacementRules, storedValuesFollowTheScreenResolutionRules) {
    // Saved at another resolution: moved in until the right and bottom edges show.
    EXPECT_EQ(restoredRect({5000, 4000, 300, 200, "1920x1080"}, kDesigned, false, kOne),
              QRect(980, 824, 300, 200));
    EXPECT_EQ(restoredRect({-50, -7, 300, 200, "1280x1024"}, kDesigned, false, kOne),
              QRect(0, 0, 300, 200));
    // Only what was stored replaces the window's own.
    EXPECT_EQ(restoredRect({40, -1, -1, 300, "1280x1024"}, kDesigned, false, kOne),
              QRect(40, 145, 709, 300));
    // A window the user left hanging off the right edge keeps doing so, as far as a
    // useful part of it stays on the screen.
    EXPECT_EQ(restoredRect({1100, 500, 300, 200, "1280x1024"}, kDesigned, false, kOne),
              QRect(1100, 500, 300, 200));
}

TEST(PlacementRules, farOffPositionsAtTheSameResolutionLeaveTheTitleBarAndAUsefulPartShowing) {
    EXPECT_EQ(restoredRect({5000, 4000, 300, 200, "1280x1024"}, kDesigned, false, kOne),
              QRect(1280 - placement::kVisibleWidth, 984 - placement::kVisibleHeight, 300, 200));
}

TEST(PlacementRules, aDamagedSizeBelowOnePixelIsNotTaken) {
    EXPECT_EQ(restoredRect({40, 30, 0, -16, "1280x1024"}, kDesigned, false, kOne),
              QRect(40, 30, 709, 567));
}

TEST(PlacementRules, aHugeSizeIsCutToTheWorkAreaOfTheScreenTheWindowLandsOn) {
    EXPECT_EQ(restoredRect({217, 145, 100000, 100000, "1280x1024"}, kDesigned, false, kOne),
              QRect(0, 0, 1280, 984));
    // On the second screen it fills that screen's work area, not the primary's.
    EXPECT_EQ(restoredRect({1500, 100, 100000, 700, "1280x1024"}, kDesigned, false, kTwo),
              QRect(1280, 100, 1920, 700));
    EXPECT_EQ(restoredRect({1500, 100, 700, 100000, "1280x1024"}, kDesigned, false, kTwo),
              QRect(1260, 30, 700, 1050));
}

TEST(PlacementRules, aWindowOnAMonitorThatIsGoneComesBackToThePrimaryWorkArea) {
    // The left monitor of two has gone; the primary one kept its place on the right.
    const Screens rightOnly{{1920, 1080},
                            {{QRect(1920, 0, 1920, 1080), QRect(1920, 0, 1920, 1050)}}};
    EXPECT_EQ(restoredRect({100, 100, 800, 600, "1920x1080"}, kDesigned, false, rightOnly),
              QRect(1920, 0, 800, 600));
    // Taller than the work area: cut to it.
    EXPECT_EQ(restoredRect({100, 100, 800, 1500, "1920x1080"}, kDesigned, false, rightOnly),
              QRect(1920, 0, 800, 1050));
    // A window that a remaining screen still shows stays where it is.
    const Screens both{{1920, 1080},
                       {{QRect(1920, 0, 1920, 1080), QRect(1920, 0, 1920, 1050)},
                        {QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080)}}};
    EXPECT_EQ(restoredRect({100, 100, 800, 600, "1920x1080"}, kDesigned, false, both),
              QRect(100, 100, 800, 600));
}

// Whatever a damaged or hand-edited store holds, the window comes up with its title bar
// and a useful part of it on a work area, no larger than that work area.
TEST(PlacementRules, hostileStoredGeometriesAlwaysGiveAReachableWindow) {
    const int big = INT_MAX, small = INT_MIN;
    const std::vector<Stored> hostile = {
        {2147483000, 200, 700, 500, "1920x1080"}, // sum past INT_MAX with another resolution
        {2147483000, 200, 700, 500, "1280x1024"},
        {200, 2147483000, 700, 500, "1920x1080"},
        {big, big, big, big, "1920x1080"},
        {big, big, big, big, "1280x1024"},
        {small, small, small, small, "1920x1080"},
        {small, small, big, big, ""},
        {-2147483000, 100, 700, 500, "1920x1080"},
        {100, 100, big, 500, "1920x1080"}, // L + W overflows
        {-1, -1, big, big, "1280x1024"},   // size alone
        {-1, 2000000000, -1, -1, "1x1"},
        {big, -1, -1, -1, "1280x1024"},
        {0, 0, 100000, 100000, "1280x1024"},
        {-5000, -5000, 300, 200, "garbage\x01\xff"},
        {5000, 4000, 300, 200, ""},
        {1279, 1023, 1, 1, "1280x1024"},
        {-1, -1, -1, -1, "1280x1024"},
    };
    const QRect currents[] = {kDesigned, QRect(30000, 30000, 709, 567),
                              QRect(-30000, 0, 32767, 32767)};
    for (const Screens* screens : {&kOne, &kTwo}) {
        for (const Stored& stored : hostile) {
            for (const QRect& current : currents) {
                for (const bool centred : {false, true}) {
                    const QRect r = restoredRect(stored, current, centred, *screens);
                    EXPECT_TRUE(r.width() >= 1 && r.height() >= 1 && reachable(r, *screens))
                        << stored.left << ',' << stored.top << ' ' << stored.width << 'x'
                        << stored.height << " '" << stored.screenRes << "' on "
                        << screens->all.size() << " screen(s) gave " << r.x() << ',' << r.y() << ' '
                        << r.width() << 'x' << r.height();
                }
            }
        }
    }
}

TEST(PlacementRules, noScreensKnownFallsBackToTheWindowScreenSize) {
    const Screens none{{800, 600}, {}};
    EXPECT_EQ(restoredRect({100, 100, 5000, 300, "800x600"}, kDesigned, false, none),
              QRect(0, 100, 800, 300));
}

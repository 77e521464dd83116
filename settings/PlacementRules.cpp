#include "settings/PlacementRules.h"

#include <algorithm>
#include <cstdint>

namespace placement {

namespace {

// Stored numbers can be anything an int holds, so every sum is taken in 64 bits.
using Coord = std::int64_t;

struct Box {
    Coord left, top, width, height;
};

Coord overlap(Coord a, Coord aLength, Coord b, Coord bLength) {
    return std::max<Coord>(0, std::min(a + aLength, b + bLength) - std::max(a, b));
}

// The screen showing most of the box; none when no screen shows any of it.
const Screen* landingScreen(const Box& box, const std::vector<Screen>& screens) {
    const Screen* best = nullptr;
    Coord bestArea = 0;
    for (const Screen& s : screens) {
        const QRect& g = s.geometry;
        // Both factors are at most a screen's extent, so the product cannot overflow.
        const Coord area = overlap(box.left, box.width, g.x(), g.width()) *
                           overlap(box.top, box.height, g.y(), g.height());
        if (area > bestArea) {
            best = &s;
            bestArea = area;
        }
    }
    return best;
}

// The store's own rules: what the window gets from the stored values and
// the screen size alone.
Box storedBox(const Stored& stored, const QRect& current, bool centred, QSize screen) {
    const Coord sw = screen.width();
    const Coord sh = screen.height();
    Box box{current.x(), current.y(), current.width(), current.height()};
    if (stored.left == -1 && stored.top == -1 && stored.width == -1 && stored.height == -1) {
        if (centred) {
            box.left = (sw - box.width) / 2;
            box.top = (sh - box.height) / 2;
        } else {
            if (box.left + box.width > sw)
                box.left = sw - box.width;
            if (box.top + box.height > sh)
                box.top = sh - box.height;
            box.left = std::max<Coord>(box.left, 0);
            box.top = std::max<Coord>(box.top, 0);
        }
        return box;
    }
    Coord l = stored.left, t = stored.top;
    const std::string now = std::to_string(sw) + 'x' + std::to_string(sh);
    if (stored.screenRes == now) {
        l = std::min(l, sw - 20);
        t = std::min(t, sh - 20);
    } else {
        if (l + Coord{stored.width} > sw)
            l = sw - stored.width;
        if (t + Coord{stored.height} > sh)
            t = sh - stored.height;
    }
    if (l < 0 && l != -1)
        l = 0;
    if (t < 0 && t != -1)
        t = 0;
    if (l != -1)
        box.left = l;
    if (t != -1)
        box.top = t;
    // A size below one pixel can only come from a damaged value: such a window could
    // not be seen or grabbed, so it keeps the size it has.
    if (stored.width >= 1)
        box.width = stored.width;
    if (stored.height >= 1)
        box.height = stored.height;
    return box;
}

// Cuts one side to the work area and moves it until the least visible part shows.
void fitAxis(Coord& pos, Coord& length, Coord areaStart, Coord areaLength, Coord leadIn,
             Coord leadOut) {
    length = std::max<Coord>(length, 1);
    if (length >= areaLength) {
        length = std::max<Coord>(areaLength, 1);
        pos = areaStart;
        return;
    }
    const Coord lowest = areaStart - leadIn;
    const Coord highest = areaStart + areaLength - leadOut;
    pos = std::clamp(pos, lowest, std::max(lowest, highest));
}

} // namespace

QRect restoredRect(const Stored& stored, const QRect& current, bool centred,
                   const Screens& screens) {
    Box box = storedBox(stored, current, centred, screens.screen);
    std::vector<Screen> all = screens.all;
    if (all.empty()) {
        const QRect only(QPoint(0, 0), screens.screen);
        all.push_back({only, only});
    }
    const Screen* landing = landingScreen(box, all);
    QRect area = (landing ? *landing : all.front()).workArea;
    if (!area.isValid())
        area = (landing ? *landing : all.front()).geometry;
    if (!landing) {
        // A monitor that is gone: the window comes back whole at the primary's corner.
        box.left = area.x();
        box.top = area.y();
    }
    const Coord visibleWidth = std::min<Coord>(kVisibleWidth, std::max<Coord>(box.width, 1));
    const Coord visibleHeight = std::min<Coord>(kVisibleHeight, area.height());
    // Across, the window may hang off either side as long as enough of it shows; down,
    // its top edge stays on the work area so that the title bar can be grabbed.
    fitAxis(box.left, box.width, area.x(), area.width(),
            std::max<Coord>(box.width, 1) - visibleWidth, visibleWidth);
    fitAxis(box.top, box.height, area.y(), area.height(), 0, visibleHeight);
    return QRect(static_cast<int>(box.left), static_cast<int>(box.top), static_cast<int>(box.width),
                 static_cast<int>(box.height));
}

} // namespace placement

#include "settings/PlacementRules.h"

#include <algorithm>

namespace placement {

QRect restoredRect(const Stored& stored, const QRect& current, bool centred,
                   const Screens& screens) {
    const int sw = screens.screen.width();
    const int sh = screens.screen.height();
    int left = current.x(), top = current.y(), width = current.width(), height = current.height();
    // A size below one pixel can only come from a damaged value: such a window could
    // not be seen or grabbed, so it keeps the size it has.
    const int storedWidth = stored.width >= 1 ? stored.width : -1;
    const int storedHeight = stored.height >= 1 ? stored.height : -1;
    if (stored.left == -1 && stored.top == -1 && stored.width == -1 && stored.height == -1) {
        if (centred) {
            left = (sw - width) / 2;
            top = (sh - height) / 2;
        } else {
            if (left + width > sw)
                left = sw - width;
            if (top + height > sh)
                top = sh - height;
            left = std::max(left, 0);
            top = std::max(top, 0);
        }
    } else {
        int l = stored.left, t = stored.top;
        const std::string now = std::to_string(sw) + 'x' + std::to_string(sh);
        if (stored.screenRes == now) {
            l = std::min(l, sw - 20);
            t = std::min(t, sh - 20);
        } else {
            if (l + stored.width > sw)
                l = sw - stored.width;
            if (t + stored.height > sh)
                t = sh - stored.height;
        }
        if (l < 0 && l != -1)
            l = 0;
        if (t < 0 && t != -1)
            t = 0;
        left = l != -1 ? l : left;
        top = t != -1 ? t : top;
        width = storedWidth != -1 ? storedWidth : width;
        height = storedHeight != -1 ? storedHeight : height;
    }
    QRect rect(left, top, width, height);
    const bool shown =
        std::any_of(screens.geometries.begin(), screens.geometries.end(),
                    [&rect](const QRect& screen) { return screen.intersects(rect); });
    if (!shown) {
        rect.setSize(rect.size().boundedTo(screens.primaryWorkArea.size()));
        rect.moveTopLeft(screens.primaryWorkArea.topLeft());
    }
    return rect;
}

} // namespace placement

#pragma once

#include <QRect>
#include <QSize>
#include <string>
#include <vector>

namespace placement {

// The geometry a form container stored for its window; -1 is a value not stored.
struct Stored {
    int left = -1, top = -1, width = -1, height = -1;
    std::string screenRes; // "%dx%d" of the screen at the save, or empty
};

// The screens as they are now: the size of the window's screen (the one the stored
// resolution is compared with), where every screen lies on the desktop, and the work
// area of the primary one.
struct Screens {
    QSize screen;
    std::vector<QRect> geometries;
    QRect primaryWorkArea;
};

// Where the window goes at a restore. With nothing stored it keeps its size and is
// centred (when its position is to be centred) or moved onto the screen; otherwise the
// stored values replace its own after the screen-resolution rules. A result that no
// screen shows (a monitor that is gone) is moved onto the primary screen's work area.
QRect restoredRect(const Stored& stored, const QRect& current, bool centred,
                   const Screens& screens);

} // namespace placement

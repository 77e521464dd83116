#pragma once

#include <QRect>
#include <QSize>
#include <string>
#include <vector>

namespace placement {

// The geometry a form container stored for its window; -1 is a value not stored.
// Any other number may be anything a damaged or hand-edited store holds.
struct Stored {
    int left = -1, top = -1, width = -1, height = -1;
    std::string screenRes; // "%dx%d" of the screen at the save, or empty
};

// One screen of the desktop: where it lies and the part of it that windows may use.
struct Screen {
    QRect geometry;
    QRect workArea;
};

// The screens as they are now: the size of the window's screen (the one the stored
// resolution is compared with) and every screen of the desktop, the primary one first.
struct Screens {
    QSize screen;
    std::vector<Screen> all;
};

// The least of a window that must show on a screen's work area: this many pixels of
// its frame down from the top edge (the title bar and a little more) and this many
// across; all of a window smaller than that.
constexpr int kVisibleHeight = 80;
constexpr int kVisibleWidth = 120;

// Where the window goes at a restore: the top-left of its frame and the size of its
// client area. With nothing stored it keeps its size and is centred (when its position
// is to be centred) or moved onto the screen; otherwise the stored values replace its
// own after the screen-resolution rules. Then, whatever the numbers were, the size is
// cut to the work area of the screen the window lands on (the primary one when it
// lands on none, and then it goes to that work area's top-left corner) and the window
// is moved until its title bar and a useful part of it lie on that work area. A side
// that had to be cut starts at the work area's edge, so the window fills it.
QRect restoredRect(const Stored& stored, const QRect& current, bool centred,
                   const Screens& screens);

} // namespace placement

#pragma once

#include <QFont>

namespace Fonts {

// Registers free substitutes for the window fonts that have no free metric twin
// (Trebuchet MS, MS Sans Serif) and for Arial, so the look does not depend on luck.
// Trebuchet MS becomes Cabin (package fonts-cabin), a humanist sans of the same kind.
void installSubstitutes();

// Trebuchet MS at 8 points (11 pixels at 96 dots per inch).
QFont windowFont();

} // namespace Fonts

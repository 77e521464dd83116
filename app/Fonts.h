#pragma once

#include <QFont>

namespace Fonts {

// Trebuchet MS at 8 points (11 pixels at 96 dots per inch); the substitute it resolves to
// is registered by controls::installFontSubstitutes.
QFont windowFont();

} // namespace Fonts

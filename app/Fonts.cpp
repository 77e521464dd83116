#include "app/Fonts.h"

namespace Fonts {

QFont windowFont() {
    QFont font(QStringLiteral("Trebuchet MS"));
    font.setPixelSize(11);
    return font;
}

} // namespace Fonts

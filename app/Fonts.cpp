#include "app/Fonts.h"

#include <QStringList>

namespace Fonts {

void installSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Trebuchet MS"),
                               {QStringLiteral("Cabin"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont windowFont() {
    QFont font(QStringLiteral("Trebuchet MS"));
    font.setPixelSize(11);
    return font;
}

} // namespace Fonts

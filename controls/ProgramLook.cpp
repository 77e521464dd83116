#include "controls/ProgramLook.h"

#include "controls/ProgramStyle.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace controls {

void installProgramLook() {
    QApplication::setStyle(new ProgramStyle);
    installFontSubstitutes();
}

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Trebuchet MS"),
                               {QStringLiteral("Cabin"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace controls

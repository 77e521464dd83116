#include "app/ProgramStart.h"

#include "app/Fonts.h"
#include "controls/ProgramStyle.h"

ProgramStart::ProgramStart(int& argc, char** argv) : application_(argc, argv) {
    ProvendoApplication::setApplicationName(QStringLiteral("Provendo"));
    ProvendoApplication::setApplicationDisplayName(QStringLiteral("Provendo"));
    ProvendoApplication::setStyle(new controls::ProgramStyle);
    Fonts::installSubstitutes();
}

ProgramStart::~ProgramStart() {
    fontPreload_.join();
}

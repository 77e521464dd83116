#include "app/ProgramStart.h"

#include "app/Fonts.h"
#include "app/Maker.h"
#include "controls/ProgramIcon.h"
#include "controls/ProgramStyle.h"

ProgramStart::ProgramStart(int& argc, char** argv) : application_(argc, argv) {
    nameApplication();
    ProvendoApplication::setStyle(new controls::ProgramStyle);
    Fonts::installSubstitutes();
}

ProgramStart::~ProgramStart() {
    fontPreload_.join();
}

void ProgramStart::nameApplication() {
    ProvendoApplication::setApplicationName(QStringLiteral("Provendo"));
    ProvendoApplication::setApplicationVersion(QStringLiteral(PROVENDO_VERSION));
    ProvendoApplication::setDesktopFileName(Maker::applicationId());
    ProvendoApplication::setWindowIcon(controls::programIcon());
}

#include "app/ProgramStart.h"

#include "app/Maker.h"
#include "controls/ProgramIcon.h"
#include "controls/ProgramLook.h"

ProgramStart::ProgramStart(int& argc, char** argv) : application_(argc, argv) {
    nameApplication();
    controls::installProgramLook();
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

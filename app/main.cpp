#include "app/Main.h"
#include "app/ProgramStart.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a message about platform plugins; say plainly
// what is missing and how to run the program anyway.
bool displayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
#else
    return true;
#endif
}

} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "provendo: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it on a desktop session, or in a virtual display with:\n"
                     "  xvfb-run -a %s\n",
                     argv[0]);
        return 2;
    }
    ProgramStart start(argc, argv);

    TfrmMain window;
    window.show();
    return ProvendoApplication::exec();
}

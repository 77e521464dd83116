#include "app/Main.h"
#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "platform/FileNames.h"
#include "platform/TerminationWatcher.h"

#include <QTimer>
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

std::vector<std::string> arguments(int argc, char** argv) {
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

} // namespace

int main(int argc, char** argv) {
    const std::string started = argc > 0 ? argv[0] : "provendo";
    const std::string program = started.substr(started.find_last_of('/') + 1);
    // --help and --version answer without a display; Qt's own options are still in the
    // list here, so only these two are acted on before the application object exists.
    switch (CommandLine::parse(arguments(argc, argv)).action) {
    case CommandLine::ShowHelp:
        std::fputs(commandLineUsage(program).c_str(), stdout);
        return 0;
    case CommandLine::ShowVersion:
        std::fputs(commandLineVersion().c_str(), stdout);
        return 0;
    default:
        break;
    }
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "provendo: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it on a desktop session, or in a virtual display with:\n"
                     "  xvfb-run -a %s\n",
                     started.c_str());
        return 2;
    }
    platform::TerminationWatcher termination;
    ProgramStart start(argc, argv);
    const CommandLine line = CommandLine::parse(arguments(argc, argv));
    if (line.action == CommandLine::Refuse) {
        std::fprintf(stderr, "provendo: %s\n%s", line.error.c_str(),
                     commandLineUsage(program).c_str());
        return 2;
    }

    TfrmMain window;
    window.show();
    QObject::connect(&termination, &platform::TerminationWatcher::terminationRequested, &window,
                     &QWidget::close);
    // Once the window's own start-up is done: the list named on the command line, then
    // requests to end, which would otherwise overtake it.
    const QString file = platform::qtPath(line.file);
    QTimer::singleShot(0, &window, [&window, &termination, file] {
        if (!file.isEmpty())
            window.openListFileAtStart(file);
        termination.watch();
    });
    return ProvendoApplication::exec();
}

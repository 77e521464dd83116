#pragma once

#include "app/ErrorBox.h"
#include "platform/FontPreload.h"

// The program's start up to its main window: the font configuration read ahead, the
// application object with its names and style, and the font substitutes. main() and the
// start-up benchmark's probe both begin with it, so the probe measures what users get.
class ProgramStart {
public:
    ProgramStart(int& argc, char** argv);
    // The preload is joined before the application object goes.
    ~ProgramStart();
    ProgramStart(const ProgramStart&) = delete;
    ProgramStart& operator=(const ProgramStart&) = delete;

    ProvendoApplication& application() { return application_; }

    // The names the desktop knows the program by. No display name is set: the window
    // system would append it to every window title, and each title is exactly its caption.
    static void nameApplication();

private:
    platform::FontPreload fontPreload_; // started before the display connection is made
    ProvendoApplication application_;
};

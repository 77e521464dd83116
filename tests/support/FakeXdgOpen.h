#pragma once

#include "tests/support/FakeXdgEmail.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

// A folder holding only an xdg-open that records its argument, waits a little, then
// exits with the code given; it is put first on the PATH.
class FakeXdgOpen {
public:
    explicit FakeXdgOpen(int exitCode, const char* delay = "0.3")
        : path_("PATH", dir_.path().toStdString() + ":" + currentPath()) {
        const std::string script = "#!/bin/sh\n"
                                   "printf '%s\\n' \"$1\" >> '" +
                                   log() + "'\nsleep " + delay + "\nexit " +
                                   std::to_string(exitCode) + "\n";
        const std::string program = dir_.path().toStdString() + "/xdg-open";
        writeBytes(program, script);
        ::chmod(program.c_str(), 0755);
    }

    std::string log() const { return dir_.path().toStdString() + "/opened"; }
    std::string opened() const { return readBytes(log()); }

private:
    static std::string currentPath() {
        const char* path = std::getenv("PATH");
        return path ? path : "/usr/bin:/bin";
    }

    QTemporaryDir dir_;
    ScopedEnv path_;
};

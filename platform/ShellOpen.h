#pragma once

#include <QString>

namespace platform {

// The shell's open-document operation: hands a web address, a mailto: link or a file to
// the program the user has chosen for it.
class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    // True when a program took the target.
    virtual bool open(const QString& target) = 0;
};

// The service in use: the desktop's own unless a test has put a fake in its place.
ShellOpen& shell();
// Tests put a fake in place (nullptr restores the desktop's service).
void setShellForTesting(ShellOpen* fake);

} // namespace platform

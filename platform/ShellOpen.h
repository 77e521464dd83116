#pragma once

#include <QString>
#include <functional>

namespace platform {

// The shell's open-document operation: hands a web address, a mailto: link or a file to
// the program the user has chosen for it.
class ShellOpen {
public:
    // Learns whether a program really took the target.
    using Done = std::function<void(bool opened)>;

    virtual ~ShellOpen() = default;
    // Starts the open and returns without waiting for it; done (when given) is called
    // once, on this thread, when the answer is known, which may be before open returns.
    virtual void open(const QString& target, Done done) = 0;
};

// The service in use: the desktop's own unless a test has put a fake in its place.
ShellOpen& shell();
// Tests put a fake in place (nullptr restores the desktop's service).
void setShellForTesting(ShellOpen* fake);

} // namespace platform

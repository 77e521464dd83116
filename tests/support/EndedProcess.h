#pragma once

#include <sys/wait.h>
#include <unistd.h>

// The id of a process that has ended, for files named after a process that is gone.
inline int endedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return static_cast<int>(child);
}

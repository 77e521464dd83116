#pragma once

#include <stdexcept>

namespace platform {

// The silent kind: a user's cancel reported as an error. The application error box
// shows nothing for it.
class EAbort : public std::runtime_error {
public:
    EAbort() : std::runtime_error("Operation aborted") {}
    using std::runtime_error::runtime_error;
};

} // namespace platform

namespace platform {

// A file that could not be created, opened, read or written; the message names the file.
class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform

#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The bytes of the regular file at path, up to its first NUL byte (the NUL and all after
// it are never read into memory). Anything that is not a regular file (a folder, named
// pipe, socket or device, also behind a link) is refused before it is opened, and the
// file is opened without waiting, so nothing can stall the caller. A file of more than
// limit bytes is refused instead of filling the memory.
// Raises EFileError "Cannot open file "%s". %s" with the reason.
std::string readRegularFile(const std::string& path, std::size_t limit);

} // namespace platform

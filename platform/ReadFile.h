#pragma once

#include <cstddef>
#include <string>

namespace platform {

// What a NUL byte in the file means: the end of the text (list files, whose reader stops
// there, so the rest is never read into memory), or a byte like any other.
enum class AtNul { Stop, Keep };

// The bytes of the regular file at path, up to its first NUL byte with AtNul::Stop.
// Anything that is not a regular file (a folder, named
// pipe, socket or device, also behind a link) is refused before it is opened, and the
// file is opened without waiting, so nothing can stall the caller. A file of more than
// limit bytes is refused instead of filling the memory.
// Raises EFileError "Cannot open file "%s". %s" with the reason.
std::string readRegularFile(const std::string& path, std::size_t limit, AtNul atNul = AtNul::Stop);

} // namespace platform

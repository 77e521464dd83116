#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes bytes to path through a temporary file in the same folder that is flushed to
// disk and then renamed over path: a reader never sees half a file, and a write that
// fails leaves the existing file as it was and removes the temporary one. A file that
// exists keeps its permissions; a read-only one is refused, not replaced. Returns the
// system's error text, or an empty string when the file was written.
std::string tryReplaceFile(const std::string& path, std::string_view bytes,
                           unsigned newFileMode = 0666);

// The same, raising EFileError "Cannot create file "%s". %s" on failure.
void replaceFile(const std::string& path, std::string_view bytes);

// Deletes the file; a file that cannot be deleted is left as it is.
void deleteFileQuietly(const std::string& path);

} // namespace platform

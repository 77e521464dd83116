#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes bytes to path through a temporary file in the same folder that is flushed to
// disk and then renamed over path: a reader never sees half a file, and a write that
// fails leaves the existing file as it was and removes the temporary one. The file is
// replaced, not rewritten, so a hard link to the old file keeps the old bytes.
//
// A symbolic link at path is followed only where the system itself would follow it on
// open: the link is the user's own, or its folder is not a shared one (sticky and
// writable by all) or belongs to the link's owner; otherwise the save is refused, so a
// link planted in /tmp cannot point a save at another file. A file that exists keeps
// its permissions and, where the user may set them, its owner and group; a read-only
// one and anything that is not a regular file are refused, not replaced. Stale
// temporary files of the same target, left by saves that were killed, are removed
// first. Returns the system's error text, or an empty string when the file was written.
std::string tryReplaceFile(const std::string& path, std::string_view bytes,
                           unsigned newFileMode = 0666);

// The same, raising EFileError "Cannot create file "%s". %s" on failure.
void replaceFile(const std::string& path, std::string_view bytes);

// For the program's own scratch files: whatever is at path, a link included, is replaced
// by a new file with the default permissions; nothing is written through a link and
// nothing of an old file is kept. Raises EFileError "Cannot create file "%s". %s".
void replaceWithNewFile(const std::string& path, std::string_view bytes);

// Removes the temporary files that saves of path left behind when they were killed:
// those named after path whose writing process no longer runs.
void removeStaleTemporaries(const std::string& path);

// Deletes the file; a file that cannot be deleted is left as it is.
void deleteFileQuietly(const std::string& path);

} // namespace platform

#include "platform/ReplaceFile.h"

#include "platform/Errors.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

std::string errorText(int code) {
    return std::generic_category().message(code);
}

#ifdef _WIN32
int openNew(const std::string& path, unsigned) {
    int fd = -1;
    _sopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYRW,
             _S_IREAD | _S_IWRITE);
    return fd;
}
long long writeSome(int fd, const char* data, std::size_t size) {
    const unsigned chunk = size > 0x40000000u ? 0x40000000u : static_cast<unsigned>(size);
    return _write(fd, data, chunk);
}
bool flushToDisk(int fd) {
    return _commit(fd) == 0;
}
bool closeFile(int fd) {
    return _close(fd) == 0;
}
void removeFile(const std::string& path) {
    _unlink(path.c_str());
}
int processId() {
    return _getpid();
}
std::string targetOf(const std::string& path) {
    return path;
}
// Empty when the target may be replaced, else why not.
std::string checkTarget(const std::string& path, int) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return errorText(EACCES);
    return {};
}
std::string renameOver(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return std::system_category().message(static_cast<int>(GetLastError()));
}
#else
int openNew(const std::string& path, unsigned mode) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}
long long writeSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
bool flushToDisk(int fd) {
    return ::fsync(fd) == 0;
}
bool closeFile(int fd) {
    return ::close(fd) == 0;
}
void removeFile(const std::string& path) {
    ::unlink(path.c_str());
}
int processId() {
    return static_cast<int>(::getpid());
}
// A link is written through, so the file it names is replaced and the link stays.
std::string targetOf(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::string(resolved.get()) : path;
}
// Empty when the target may be replaced, else why not. The new file takes over the
// permissions of the old one.
std::string checkTarget(const std::string& path, int fd) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::string() : errorText(errno);
    if (::access(path.c_str(), W_OK) != 0)
        return errorText(errno);
    // A file marked read-only for everybody stays so, even for the superuser.
    if ((info.st_mode & 0222) == 0)
        return errorText(EACCES);
    ::fchmod(fd, info.st_mode & 07777);
    return {};
}
std::string renameOver(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return {};
    return errorText(errno);
}
#endif

// A name beside the target that no other writer (thread or process) picks at the same time.
int createTemporary(const std::string& path, unsigned mode, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + ".~" + std::to_string(processId()) + "-" + std::to_string(counter++);
        const int fd = openNew(temporary, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const long long written = writeSome(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string tryReplaceFile(const std::string& path, std::string_view bytes, unsigned newFileMode) {
    const std::string target = targetOf(path);
    std::string temporary;
    const int fd = createTemporary(target, newFileMode, temporary);
    if (fd < 0)
        return errorText(errno);
    std::string error = checkTarget(target, fd);
    if (error.empty() && !(writeAll(fd, bytes) && flushToDisk(fd)))
        error = errorText(errno);
    if (!closeFile(fd) && error.empty())
        error = errorText(errno);
    if (error.empty())
        error = renameOver(temporary, target);
    if (!error.empty())
        removeFile(temporary);
    return error;
}

void replaceFile(const std::string& path, std::string_view bytes) {
    const std::string error = tryReplaceFile(path, bytes);
    if (!error.empty())
        throw EFileError("Cannot create file \"" + path + "\". " + error);
}

void deleteFileQuietly(const std::string& path) {
    removeFile(path);
}

} // namespace platform

#include "platform/ReadFile.h"

#include "platform/Errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

namespace platform {

namespace {

#ifdef _WIN32
using FileInfo = struct _stat64;
int statPath(const std::string& path, FileInfo& info) {
    return ::_stat64(path.c_str(), &info);
}
int openForReading(const std::string& path) {
    int fd = -1;
    _sopen_s(&fd, path.c_str(), _O_RDONLY | _O_BINARY, _SH_DENYNO, 0);
    return fd;
}
int statOpen(int fd, FileInfo& info) {
    return ::_fstat64(fd, &info);
}
long long readSome(int fd, char* buffer, std::size_t size) {
    return ::_read(fd, buffer, static_cast<unsigned>(size));
}
void closeFile(int fd) {
    ::_close(fd);
}
bool isRegular(const FileInfo& info) {
    return (info.st_mode & _S_IFMT) == _S_IFREG;
}
bool isFolder(const FileInfo& info) {
    return (info.st_mode & _S_IFMT) == _S_IFDIR;
}
bool sameFile(const FileInfo&, const FileInfo&) {
    return true;
}
#else
using FileInfo = struct stat;
int statPath(const std::string& path, FileInfo& info) {
    return ::stat(path.c_str(), &info);
}
// Non-blocking, so that a pipe put in the file's place after the check cannot stall
// the open; no controlling terminal from a device either.
int openForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}
int statOpen(int fd, FileInfo& info) {
    return ::fstat(fd, &info);
}
long long readSome(int fd, char* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}
void closeFile(int fd) {
    ::close(fd);
}
bool isRegular(const FileInfo& info) {
    return S_ISREG(info.st_mode);
}
bool isFolder(const FileInfo& info) {
    return S_ISDIR(info.st_mode);
}
bool sameFile(const FileInfo& a, const FileInfo& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
#endif

std::string notAFile(const FileInfo& info) {
    if (isFolder(info))
        return std::generic_category().message(EISDIR);
#ifndef _WIN32
    if (S_ISFIFO(info.st_mode))
        return "It is a named pipe, not a file";
    if (S_ISSOCK(info.st_mode))
        return "It is a socket, not a file";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return "It is a device, not a file";
#endif
    return "It is not a regular file";
}

class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0)
            closeFile(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string megabytes(std::size_t bytes) {
    return std::to_string(bytes / (1024 * 1024)) + " MB";
}

} // namespace

std::string readRegularFile(const std::string& path, std::size_t limit, AtNul atNul) {
    const auto fail = [&path](const std::string& reason) {
        return EFileError("Cannot open file \"" + path + "\". " + reason);
    };
    const auto failCode = [&fail](int code) { return fail(std::generic_category().message(code)); };
    FileInfo before{};
    if (statPath(path, before) != 0)
        throw failCode(errno);
    if (!isRegular(before))
        throw fail(notAFile(before));
    const OpenFile file(openForReading(path));
    if (file.get() < 0)
        throw failCode(errno);
    FileInfo info{};
    if (statOpen(file.get(), info) != 0)
        throw failCode(errno);
    if (!isRegular(info) || !sameFile(before, info))
        throw fail(isRegular(info) ? "The file was replaced while it was opened" : notAFile(info));
    const std::string tooLarge =
        "The file is larger than " + megabytes(limit) + " and cannot be a shopping list";
    const auto size = static_cast<unsigned long long>(info.st_size);
    if (size > limit)
        throw fail(tooLarge);

    // Room for what the file holds now; a file that grows meanwhile is still read to its
    // end or its limit. Untouched reserved pages cost no memory, so a file that starts
    // with NULs reserves but never fills its size.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    for (;;) {
        const long long got = readSome(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw failCode(errno);
        if (got == 0)
            break;
        const auto count = static_cast<std::size_t>(got);
        const void* nul = atNul == AtNul::Stop ? std::memchr(buffer, '\0', count) : nullptr;
        const std::size_t kept =
            nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - buffer) : count;
        if (kept > limit - bytes.size())
            throw fail(tooLarge);
        bytes.append(buffer, kept);
        if (nul)
            break;
    }
    if (bytes.capacity() - bytes.size() > (1 << 20))
        bytes.shrink_to_fit();
    return bytes;
}

} // namespace platform

#include "platform/ReplaceFile.h"

#include "platform/Errors.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <filesystem>
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
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

constexpr char TemporaryMark[] = ".~";

std::string errorText(int code) {
    return std::generic_category().message(code);
}

// What a save does with the file it replaces.
enum class Replace { KeepingTheOld, Afresh };

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
bool processGone(int pid) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return GetLastError() == ERROR_INVALID_PARAMETER;
    const bool gone = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return gone;
}
std::string resolveTarget(const std::string& path, std::string& target) {
    target = path;
    return {};
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
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
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
// A process of another user still counts as running (EPERM).
bool processGone(int pid) {
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rule the system applies when it follows a link itself: in a folder that is sticky
// and writable by all (such as /tmp) only a link of the user's own or of the folder's
// owner is followed.
bool mayFollow(const struct stat& link, const struct stat& folder) {
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

// Where a save of path lands: the file itself, or the file its links lead to, hop by
// hop. The rename replaces the last name in target, so every link on the way is checked
// here; the folders on the way are followed by the system with its own checks.
std::string resolveTarget(const std::string& path, std::string& target) {
    target = path;
    for (int hops = 0;; ++hops) {
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0)
            return errno == ENOENT ? std::string() : errorText(errno);
        if (!S_ISLNK(link.st_mode))
            return {};
        if (hops == 40)
            return errorText(ELOOP);
        const std::string folder = folderOf(target);
        struct stat folderInfo {};
        if (::stat(folder.c_str(), &folderInfo) != 0)
            return errorText(errno);
        if (!mayFollow(link, folderInfo))
            return errorText(EACCES);
        std::string text(PATH_MAX, '\0');
        const ssize_t length = ::readlink(target.c_str(), text.data(), text.size());
        if (length < 0)
            return errorText(errno);
        if (static_cast<std::size_t>(length) >= text.size())
            return errorText(ENAMETOOLONG);
        text.resize(static_cast<std::size_t>(length));
        target = !text.empty() && text.front() == '/' ? text : folder + "/" + text;
    }
}

// Empty when the target may be replaced, else why not. The new file takes over the
// permissions of the old one, and its owner and group as far as the user may give them.
std::string checkTarget(const std::string& path, int fd) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::string() : errorText(errno);
    if (S_ISDIR(info.st_mode))
        return errorText(EISDIR);
    if (!S_ISREG(info.st_mode))
        return "It is not a regular file";
    if (::access(path.c_str(), W_OK) != 0)
        return errorText(errno);
    // A file marked read-only for everybody stays so, even for the superuser.
    if ((info.st_mode & 0222) == 0)
        return errorText(EACCES);
    mode_t mode = info.st_mode & 07777;
    if (info.st_uid != ::geteuid() || info.st_gid != ::getegid()) {
        // Where the owner cannot be kept the user owns the new file, as the system does
        // when it writes a file of another's, and the set-id bits are not passed on.
        if (::fchown(fd, info.st_uid, info.st_gid) != 0) {
            mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
            if (::fchown(fd, static_cast<uid_t>(-1), info.st_gid) != 0) {
                // The group of the user's own new files, then.
            }
        }
    }
    // After the owner: a change of owner clears the set-id bits.
    ::fchmod(fd, mode);
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
        temporary =
            path + TemporaryMark + std::to_string(processId()) + "-" + std::to_string(counter++);
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

// The process that wrote a temporary file of ours, from its name "<target>.~PID-N";
// 0 when the name is not one of ours.
int writerOf(std::string_view name, std::string_view prefix) {
    if (name.substr(0, prefix.size()) != prefix)
        return 0;
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == name.size())
        return 0;
    const std::string_view count = name.substr(dash + 1);
    if (count.find_first_not_of("0123456789") != std::string_view::npos)
        return 0;
    int pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dash, pid);
    return error == std::errc() && end == name.data() + dash && pid > 0 ? pid : 0;
}

void removeStaleOf(const std::string& target) {
    namespace fs = std::filesystem;
    const fs::path targetPath(target);
    const std::string prefix = targetPath.filename().string() + TemporaryMark;
    fs::path folder = targetPath.parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const int pid = writerOf(it->path().filename().string(), prefix);
        std::error_code statusError;
        if (pid != 0 && pid != processId() &&
            it->symlink_status(statusError).type() == fs::file_type::regular && processGone(pid))
            removeFile(it->path().string());
    }
}

std::string replace(const std::string& path, std::string_view bytes, unsigned newFileMode,
                    Replace how) {
    std::string target = path;
    if (how == Replace::KeepingTheOld)
        if (std::string error = resolveTarget(path, target); !error.empty())
            return error;
    removeStaleOf(target);
    std::string temporary;
    const int fd = createTemporary(target, newFileMode, temporary);
    if (fd < 0)
        return errorText(errno);
    std::string error = how == Replace::KeepingTheOld ? checkTarget(target, fd) : std::string();
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

EFileError cannotCreate(const std::string& path, const std::string& error) {
    return EFileError("Cannot create file \"" + path + "\". " + error);
}

} // namespace

std::string tryReplaceFile(const std::string& path, std::string_view bytes, unsigned newFileMode) {
    return replace(path, bytes, newFileMode, Replace::KeepingTheOld);
}

void replaceFile(const std::string& path, std::string_view bytes) {
    const std::string error = tryReplaceFile(path, bytes);
    if (!error.empty())
        throw cannotCreate(path, error);
}

void replaceWithNewFile(const std::string& path, std::string_view bytes) {
    const std::string error = replace(path, bytes, 0666, Replace::Afresh);
    if (!error.empty())
        throw cannotCreate(path, error);
}

void removeStaleTemporaries(const std::string& path) {
    std::string target;
    if (!resolveTarget(path, target).empty())
        target = path;
    removeStaleOf(target);
}

void deleteFileQuietly(const std::string& path) {
    removeFile(path);
}

} // namespace platform

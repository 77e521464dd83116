#include "platform/XdgEmailMail.h"

#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <set>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace fs = std::filesystem;
using namespace mapi;

struct XdgEmailService::Resolved {
    MapiRecipDesc desc{};
    std::string name;
};

namespace {

constexpr auto DayOld = std::chrono::hours(24);
constexpr char MessagePrefix[] = "message-";

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

ULong writeFailure(int error) {
    return error == ENOSPC || error == EDQUOT ? DiskFull : AttachmentWriteFailure;
}

// The folder and any missing parents, new ones owner-only. The last one must be a real
// folder of this user's and is made owner-only even when it existed: a link or another
// user's folder could hand the attachments to someone else.
ULong preparePrivateFolder(const std::string& folder) {
    std::string partial;
    for (const auto& part : fs::path(folder)) {
        partial = (fs::path(partial) / part).string();
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return writeFailure(errno);
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid() || ::chmod(folder.c_str(), 0700) != 0)
        return AttachmentWriteFailure;
    return SuccessSuccess;
}

void removeDayOldMessages(const std::string& folder) {
    std::error_code error;
    const auto limit = fs::file_time_type::clock::now() - DayOld;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(MessagePrefix, 0) != 0 || entry.is_symlink(error) ||
            !entry.is_directory(error))
            continue;
        const auto written = entry.last_write_time(error);
        if (!error && written < limit)
            fs::remove_all(entry.path(), error);
    }
}

// Copies source to target, which must not exist yet; only regular files are taken, so
// that a named pipe never stalls the send.
ULong copyFile(const std::string& source, const std::string& target) {
    const FileHandle in(::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (in.get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? AttachmentNotFound : AttachmentOpenFailure;
    struct stat info {};
    if (::fstat(in.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return AttachmentOpenFailure;
    const FileHandle out(
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.get() < 0)
        return writeFailure(errno);
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return AttachmentOpenFailure;
        if (got == 0)
            return SuccessSuccess;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out.get(), buffer + done, static_cast<size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return writeFailure(put == 0 ? ENOSPC : errno);
            done += put;
        }
    }
}

// The attachment's name in the message: the name the caller gave, else the file's own;
// never a path, so the copy stays inside its folder.
std::string attachmentName(const MapiFileDesc& file) {
    std::string name = file.lpszFileName && *file.lpszFileName ? file.lpszFileName : "";
    if (name.empty())
        name = file.lpszPathName;
    name = fs::path(name).filename().string();
    return name.empty() || name == "." || name == ".." ? std::string("attachment") : name;
}

std::string utf8(const char* text) {
    return text ? toQString(text).toUtf8().toStdString() : std::string();
}

// The mail program takes line breaks as LF.
std::string bodyText(const char* text) {
    std::string body = utf8(text);
    std::string out;
    out.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i)
        if (!(body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n'))
            out += body[i];
    return out;
}

std::string recipientAddress(const MapiRecipDesc& recip) {
    std::string address = recip.lpszAddress && *recip.lpszAddress ? recip.lpszAddress
                          : recip.lpszName                        ? recip.lpszName
                                                                  : "";
    if (address.size() >= 5 && ::strncasecmp(address.c_str(), "SMTP:", 5) == 0)
        address.erase(0, 5);
    return address;
}

const char* recipientOption(ULong recipClass) {
    switch (recipClass) {
    case RecipTo:
        return "--to";
    case RecipCc:
        return "--cc";
    case RecipBcc:
        return "--bcc";
    default:
        return nullptr;
    }
}

// A fresh folder for one message's attachments, removed again unless the message was
// handed over.
class MessageFolder {
public:
    ~MessageFolder() {
        if (!path_.empty() && !keep_) {
            std::error_code error;
            fs::remove_all(path_, error);
        }
    }
    ULong create(const std::string& parent) {
        std::string pattern = parent + "/" + MessagePrefix + "XXXXXX";
        if (!::mkdtemp(pattern.data()))
            return writeFailure(errno);
        path_ = pattern;
        return SuccessSuccess;
    }
    // A path for the name that no earlier attachment of this message has taken.
    ULong place(const std::string& name, std::string& target) {
        std::string folder = path_;
        for (int n = 2; !used_.insert(folder + "/" + name).second; ++n) {
            folder = path_ + "/" + std::to_string(n);
            if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
                return writeFailure(errno);
        }
        target = folder + "/" + name;
        return SuccessSuccess;
    }
    void keep() { keep_ = true; }

private:
    std::string path_;
    std::set<std::string> used_;
    bool keep_ = false;
};

} // namespace

XdgEmailService::XdgEmailService(std::string program) : program_(std::move(program)) {}

XdgEmailService::~XdgEmailService() = default;

ULong XdgEmailService::logon(LHandle* session) {
    if (!session)
        return GeneralFailure;
    // There is no session to open: the mail program logs on itself.
    *session = 1;
    return SuccessSuccess;
}

ULong XdgEmailService::resolveName(const char* name, MapiRecipDesc** recip) {
    if (!recip)
        return GeneralFailure;
    *recip = nullptr;
    std::string text = name ? name : "";
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return UnknownRecipient;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    // Without an address book the name is taken as the address.
    auto record = std::make_unique<Resolved>();
    record->name = std::move(text);
    record->desc.ulRecipClass = RecipTo;
    record->desc.lpszName = record->name.data();
    record->desc.lpszAddress = record->name.data();
    *recip = &record->desc;
    resolved_.emplace(&record->desc, std::move(record));
    return SuccessSuccess;
}

ULong XdgEmailService::freeBuffer(void* buffer) {
    if (!buffer)
        return SuccessSuccess;
    return resolved_.erase(buffer) ? SuccessSuccess : GeneralFailure;
}

ULong XdgEmailService::sendMail(const MapiMessage* message, ULong flags) {
    reapFinished();
    if (!message || (message->nRecipCount && !message->lpRecips) ||
        (message->nFileCount && !message->lpFiles))
        return InvalidMessage;
    if (!(flags & Dialog))
        return NotSupported;

    std::vector<std::string> arguments{"--utf8"};
    for (ULong i = 0; i < message->nRecipCount; ++i) {
        const MapiRecipDesc& recip = message->lpRecips[i];
        const char* option = recipientOption(recip.ulRecipClass);
        if (!option)
            return BadRecipientType;
        const std::string address = recipientAddress(recip);
        if (address.empty())
            return UnknownRecipient;
        arguments.insert(arguments.end(), {option, utf8(address.c_str())});
    }
    if (message->lpszSubject && *message->lpszSubject)
        arguments.insert(arguments.end(), {"--subject", utf8(message->lpszSubject)});
    const std::string body = bodyText(message->lpszNoteText);
    if (!body.empty())
        arguments.insert(arguments.end(), {"--body", body});

    MessageFolder copies;
    if (message->nFileCount) {
        const std::string folder = mailFolder();
        if (const ULong result = preparePrivateFolder(folder))
            return result;
        removeDayOldMessages(folder);
        if (const ULong result = copies.create(folder))
            return result;
    }
    for (ULong i = 0; i < message->nFileCount; ++i) {
        const MapiFileDesc& file = message->lpFiles[i];
        if (!file.lpszPathName || !*file.lpszPathName)
            return AttachmentNotFound;
        std::string copy;
        if (const ULong result = copies.place(attachmentName(file), copy))
            return result;
        if (const ULong result = copyFile(file.lpszPathName, copy))
            return result;
        arguments.insert(arguments.end(), {"--attach", copy});
    }

    const ULong result = run(arguments);
    if (result == SuccessSuccess)
        copies.keep();
    return result;
}

ULong XdgEmailService::run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv{program_.data()};
    std::vector<std::string> owned(arguments);
    for (std::string& argument : owned)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // Started directly, never through a shell: no text of the message is ever parsed
    // as a command. The mail program gets no terminal input of ours.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    const int spawned =
        ::posix_spawn(&pid, program_.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return GeneralFailure;

    // The window keeps painting while xdg-email works, but takes no input, as it would
    // under the system's modal compose window.
    const auto deadline = std::chrono::steady_clock::now() + handOverWait_;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) ? resultForExitCode(WEXITSTATUS(status)) : GeneralFailure;
        if (done < 0 && errno != EINTR)
            return GeneralFailure;
        if (std::chrono::steady_clock::now() >= deadline) {
            stillRunning_.push_back(pid);
            return SuccessSuccess;
        }
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void XdgEmailService::reapFinished() {
    std::erase_if(stillRunning_, [](pid_t pid) {
        int status = 0;
        return ::waitpid(pid, &status, WNOHANG) != 0;
    });
}

ULong XdgEmailService::resultForExitCode(int exitCode) {
    switch (exitCode) {
    case 0:
        return SuccessSuccess;
    case 2: // a file named on the command line does not exist
        return AttachmentNotFound;
    case 3: // no mail program or other method to open the message
        return NotSupported;
    case 5: // no permission to read a file
        return AttachmentOpenFailure;
    default: // 1 bad usage, 4 the mail program failed, anything else
        return GeneralFailure;
    }
}

std::string XdgEmailService::mailFolder() {
    std::string base;
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache == '/') {
        base = cache;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* user = ::getpwuid(::geteuid());
            home = user ? user->pw_dir : "/tmp";
        }
        base = std::string(home) + "/.cache";
    }
    return base + "/provendo/outgoing-mail";
}

// Without PATH the system's default search path; the folder the program was started in
// (an empty or relative entry) is never searched, so a file dropped there is not run as
// the mail program.
std::string XdgEmailService::findOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : defaultSearchPath();
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = folders.substr(start, end - start);
        start = end + 1;
        if (folder.empty() || folder.front() != '/')
            continue;
        const std::string candidate = folder + "/" + name;
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

std::string XdgEmailService::defaultSearchPath() {
    std::string path(::confstr(_CS_PATH, nullptr, 0), '\0');
    if (path.empty())
        return "/usr/bin:/bin";
    ::confstr(_CS_PATH, path.data(), path.size());
    path.pop_back();
    return path;
}

namespace {

XdgEmailService* activeService = nullptr;

ULong PROVENDO_MAPI_CALL standInLogon(LHandle, const char*, const char*, ULong, ULong,
                                      LHandle* session) {
    return activeService ? activeService->logon(session) : UserAbort;
}
ULong PROVENDO_MAPI_CALL standInResolveName(LHandle, LHandle, const char* name, ULong, ULong,
                                            MapiRecipDesc** recip) {
    return activeService ? activeService->resolveName(name, recip) : UserAbort;
}
ULong PROVENDO_MAPI_CALL standInSendMail(LHandle, LHandle, MapiMessage* message, ULong flags,
                                         ULong) {
    return activeService ? activeService->sendMail(message, flags) : UserAbort;
}
ULong PROVENDO_MAPI_CALL standInFreeBuffer(void* buffer) {
    return activeService ? activeService->freeBuffer(buffer) : UserAbort;
}

class XdgEmailModule : public SimpleMailModule {
public:
    explicit XdgEmailModule(std::string program) : service_(std::move(program)) {
        activeService = &service_;
    }
    ~XdgEmailModule() override { activeService = nullptr; }

    EntryPoint lookUp(const char* name) override {
        const std::string wanted = name;
        if (wanted == "MAPILogon")
            return reinterpret_cast<EntryPoint>(&standInLogon);
        if (wanted == "MAPIResolveName")
            return reinterpret_cast<EntryPoint>(&standInResolveName);
        if (wanted == "MAPISendMail")
            return reinterpret_cast<EntryPoint>(&standInSendMail);
        if (wanted == "MAPIFreeBuffer")
            return reinterpret_cast<EntryPoint>(&standInFreeBuffer);
        return nullptr;
    }

private:
    XdgEmailService service_;
};

} // namespace

std::unique_ptr<SimpleMailModule> loadXdgEmailMail() {
    std::string program = XdgEmailService::findOnPath("xdg-email");
    if (program.empty())
        return nullptr;
    return std::make_unique<XdgEmailModule>(std::move(program));
}

std::unique_ptr<SimpleMailModule> loadSystemSimpleMail() {
    return loadXdgEmailMail();
}

} // namespace platform

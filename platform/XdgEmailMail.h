#pragma once

#include "platform/SimpleMail.h"

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform {

// The simple-mail stand-in on systems without MAPI: hands each message to the user's
// own mail program through xdg-email, which opens a compose window with the subject,
// body, recipients and attachments filled in.
//
// xdg-email returns before the user has sent the message, so every attachment is first
// copied into a fresh folder of the user's own (owner-only permissions) and the copy is
// attached: the caller may delete its file as soon as the send returns. Such folders
// are removed on a later send once they are a day old.
class XdgEmailService {
public:
    explicit XdgEmailService(std::string program);
    ~XdgEmailService();
    XdgEmailService(const XdgEmailService&) = delete;
    XdgEmailService& operator=(const XdgEmailService&) = delete;

    mapi::ULong logon(mapi::LHandle* session);
    mapi::ULong resolveName(const char* name, mapi::MapiRecipDesc** recip);
    // Only with the dialog flag: the stand-in cannot send a message unseen.
    mapi::ULong sendMail(const mapi::MapiMessage* message, mapi::ULong flags);
    mapi::ULong freeBuffer(void* buffer);

    // How long a send waits for xdg-email to return. One that keeps running is showing
    // the mail program itself and has taken the message.
    void setHandOverWait(std::chrono::milliseconds wait) { handOverWait_ = wait; }

    // $XDG_CACHE_HOME/provendo/outgoing-mail, else ~/.cache/provendo/outgoing-mail.
    static std::string mailFolder();
    // The executable file of that name in a folder of $PATH, or empty.
    static std::string findOnPath(const std::string& name);
    // The system's own search path, used when PATH is not set.
    static std::string defaultSearchPath();
    // What an exit status of xdg-email means as a simple-mail result.
    static mapi::ULong resultForExitCode(int exitCode);

private:
    struct Resolved;
    mapi::ULong run(const std::vector<std::string>& arguments);
    void reapFinished();

    std::string program_;
    std::chrono::milliseconds handOverWait_{20000};
    std::map<const void*, std::unique_ptr<Resolved>> resolved_;
    std::vector<pid_t> stillRunning_;
};

// The stand-in as a library whose entry points are found by name, or null when
// xdg-email is not on the PATH.
std::unique_ptr<SimpleMailModule> loadXdgEmailMail();

} // namespace platform

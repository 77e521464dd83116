#include "platform/TerminationWatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX
namespace {

// The handler may only do async-signal-safe work: one byte into a socket the event loop
// watches.
int signalSockets[2] = {-1, -1};
struct sigaction previousAction {};

extern "C" void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

TerminationWatcher::TerminationWatcher() {
    if (signalSockets[0] != -1 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    for (int fd : signalSockets) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
    }
    struct sigaction action {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = ::sigaction(SIGTERM, &action, &previousAction) == 0;
}

TerminationWatcher::~TerminationWatcher() {
    if (!installed_)
        return;
    ::sigaction(SIGTERM, &previousAction, nullptr);
    delete notifier_.data();
    for (int& fd : signalSockets) {
        ::close(fd);
        fd = -1;
    }
}

void TerminationWatcher::watch() {
    if (!installed_ || notifier_)
        return;
    notifier_ =
        new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(signalSockets[1], bytes, sizeof bytes) > 0) {
        }
        emit terminationRequested();
    });
}
#else
TerminationWatcher::TerminationWatcher() = default;
TerminationWatcher::~TerminationWatcher() = default;
void TerminationWatcher::watch() {}
#endif

} // namespace platform

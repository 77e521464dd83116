#pragma once

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

// Things that sit in a folder under a file's name but are no files.

// A named pipe. Opening it for reading waits for a writer: while it lives, a writer
// turns up after a grace time, so that code that wrongly waits fails slowly instead
// of hanging the test run.
class NamedPipe {
public:
    explicit NamedPipe(std::string path) : path_(std::move(path)) {
        made_ = ::mkfifo(path_.c_str(), 0644) == 0;
        rescue_ = std::thread([this] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            while (!done_ && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (!done_) {
                const int fd = ::open(path_.c_str(), O_RDWR | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        });
    }
    ~NamedPipe() {
        done_ = true;
        rescue_.join();
    }
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;
    bool made() const { return made_; }

private:
    std::string path_;
    bool made_ = false;
    std::atomic<bool> done_{false};
    std::thread rescue_;
};

// A listening local socket bound to a path.
class LocalSocket {
public:
    explicit LocalSocket(const std::string& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (fd_ < 0 || path.size() >= sizeof address.sun_path)
            return;
        path.copy(address.sun_path, path.size());
        made_ = ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                ::listen(fd_, 1) == 0;
    }
    ~LocalSocket() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    LocalSocket(const LocalSocket&) = delete;
    LocalSocket& operator=(const LocalSocket&) = delete;
    bool made() const { return made_; }

private:
    int fd_;
    bool made_ = false;
};

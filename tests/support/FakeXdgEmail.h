#pragma once

#include "tests/support/TempDir.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

// A stand-in for xdg-email in a folder of its own: it records its arguments one per line
// and the bytes of every file given with --attach, then exits with the code written by
// setExitCode (0 unless set), after sleeping setSleepSeconds if set.
class FakeXdgEmail {
public:
    FakeXdgEmail() {
        const std::string script =
            "#!/bin/sh\n"
            "log='" +
            folder() +
            "'\n"
            ": > \"$log/args\"\n"
            "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$log/args\"; done\n"
            ": > \"$log/attached\"\n"
            "while [ $# -gt 0 ]; do\n"
            "  if [ \"$1\" = --attach ]; then cat \"$2\" >> \"$log/attached\"; fi\n"
            "  shift\n"
            "done\n"
            "if [ -f \"$log/sleep\" ]; then sleep \"$(cat \"$log/sleep\")\"; fi\n"
            "if [ -f \"$log/exit\" ]; then exit \"$(cat \"$log/exit\")\"; fi\n"
            "exit 0\n";
        std::filesystem::create_directory(folder() + "bin");
        writeBytes(program(), script);
        ::chmod(program().c_str(), 0755);
    }

    std::string folder() const { return dir_.path().toStdString() + "/"; }
    std::string binFolder() const { return folder() + "bin"; }
    std::string program() const { return binFolder() + "/xdg-email"; }
    bool ran() const { return std::filesystem::exists(folder() + "args"); }
    std::vector<std::string> arguments() const {
        std::vector<std::string> lines;
        std::string text = readBytes(folder() + "args");
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    std::string attachedBytes() const { return readBytes(folder() + "attached"); }
    void setExitCode(int code) const { writeBytes(folder() + "exit", std::to_string(code)); }
    void setSleepSeconds(int seconds) const {
        writeBytes(folder() + "sleep", std::to_string(seconds));
    }

private:
    QTemporaryDir dir_;
};

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            had_ = true;
            old_ = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (had_)
            ::setenv(name_, old_.c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

#pragma once

#include <string>
#include <vector>

// provendo [FILE], --help, --version: read before any window or display is touched.
struct CommandLine {
    enum Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Run;
    std::string file;  // the list to open at start, as given; empty for none
    std::string error; // why the arguments were refused

    static CommandLine parse(const std::vector<std::string>& arguments);
};

// What --help prints; `program` is the name the program was started by.
std::string commandLineUsage(const std::string& program);
// What --version prints, one line.
std::string commandLineVersion();

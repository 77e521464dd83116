#include "app/CommandLine.h"

CommandLine CommandLine::parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            return {ShowHelp, {}, {}};
        } else if (!optionsEnded && (argument == "--version" || argument == "-v")) {
            return {ShowVersion, {}, {}};
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            line.action = Refuse;
            line.error = "unknown option '" + argument + "'";
        } else if (line.file.empty() && !argument.empty()) {
            line.file = argument;
        } else {
            line.action = Refuse;
            line.error = "only one list file can be opened";
        }
    }
    return line;
}

std::string commandLineUsage(const std::string& program) {
    return "Usage: " + program +
           " [FILE]\n"
           "Keeps a household shopping list.\n"
           "\n"
           "  FILE           a shopping list file (.slf) to open at start\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the program's version and exit\n";
}

std::string commandLineVersion() {
    return std::string("Provendo ") + PROVENDO_VERSION + "\n";
}

#pragma once

#include "model/Document.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// Calls visit for each line of a text: a line ends at CR LF, a lone CR or a lone LF (so
// LF CR is two ends), the last line needs no end, a final end adds no empty line, and
// the text stops at its first NUL byte.
template <class Visit> void forEachLine(std::string_view bytes, Visit&& visit) {
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    if (bytes.empty())
        return;
    const char* start = bytes.data();
    const char* const end = start + bytes.size();
    // The next CR and the next LF, each searched for only once it has been passed, so
    // that the text is scanned twice in all rather than once per line for both.
    const auto next = [end](const char* from, char c) {
        const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return found ? static_cast<const char*>(found) : end;
    };
    const char* cr = next(start, '\r');
    const char* lf = next(start, '\n');
    for (;;) {
        if (cr < start)
            cr = next(start, '\r');
        if (lf < start)
            lf = next(start, '\n');
        const char* const stop = cr < lf ? cr : lf;
        visit(std::string_view(start, static_cast<std::size_t>(stop - start)));
        if (stop == end)
            return;
        start = stop + 1;
        if (*stop == '\r' && start < end && *start == '\n')
            ++start;
        if (start == end)
            return;
    }
}
std::vector<std::string> splitLines(std::string_view bytes);

// The whole file's bytes; "Cannot open file "%s". %s" (platform::EFileError) when it
// cannot be read.
std::string readFileBytes(const std::string& path);

// The list file's bytes: every line of the ten lists in category order, each ended by
// CR LF.
std::string listFileBytes(const model::Document& document);

// Writes the list file in one step: a failed write leaves an existing file untouched
// and raises "Cannot create file "%s". %s".
void SaveListFile(const model::Document& document, const std::string& path);

// The pages a list file fills: ten category pages and the Notes page.
inline constexpr std::size_t PageCount = model::CategoryCount + 1;

// The lines of a list file split into page groups: the first line opens the first
// group, and every later line holding "//" opens the next. A file with more groups than
// pages raises "List index out of bounds (11)" so that nothing is half-loaded.
std::vector<std::vector<std::string>> groupListLines(std::string_view bytes);

} // namespace files

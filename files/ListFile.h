#pragma once

#include "model/Document.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace files {

namespace detail {

// The first CR or LF in [p, end), or end. Looks at eight bytes at a time: a byte equal to
// CR or LF becomes zero after the exclusive or, and the lowest byte flagged as zero is
// always a true one.
inline const char* findLineEnd(const char* p, const char* const end) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t ones = 0x0101010101010101u;
        constexpr std::uint64_t highs = 0x8080808080808080u;
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            const std::uint64_t cr = word ^ (ones * '\r');
            const std::uint64_t lf = word ^ (ones * '\n');
            const std::uint64_t zero = ((cr - ones) & ~cr & highs) | ((lf - ones) & ~lf & highs);
            if (zero != 0)
                return p + std::countr_zero(zero) / 8;
            p += 8;
        }
    }
    while (p < end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

} // namespace detail

// Calls visit for each line of a text: a line ends at CR LF, a lone CR or a lone LF (so
// LF CR is two ends), the last line needs no end, a final end adds no empty line, and
// the text stops at its first NUL byte.
template <class Visit> void forEachLine(std::string_view bytes, Visit&& visit) {
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    const char* start = bytes.data();
    const char* const end = start + bytes.size();
    while (start != end) {
        const char* const stop = detail::findLineEnd(start, end);
        visit(std::string_view(start, static_cast<std::size_t>(stop - start)));
        if (stop == end)
            return;
        start = stop + 1;
        if (*stop == '\r' && start != end && *start == '\n')
            ++start;
    }
}

std::vector<std::string> splitLines(std::string_view bytes);

// The most a list file (or the category names file) may hold: ten million lines of
// twenty bytes fill a fifth of it, and the lines of a larger file would not fit in the
// memory of an ordinary machine.
inline constexpr std::size_t MaxListFileBytes = std::size_t{512} * 1024 * 1024;

// The file's bytes up to its first NUL; "Cannot open file "%s". %s"
// (platform::EFileError) when it cannot be read, is no regular file (a folder, pipe,
// socket or device) or holds more than MaxListFileBytes.
std::string readFileBytes(const std::string& path);

// The list file's bytes: every line of the ten lists in category order, each ended by
// CR LF.
std::string listFileBytes(const model::Document& document);

// Writes the list file in one step: a failed write leaves an existing file untouched
// and raises "Cannot create file "%s". %s".
void SaveListFile(const model::Document& document, const std::string& path);

// One page's share of a list file: a run of whole lines, kept as the slice of the file's
// text that holds them (line ends included), so that grouping a file costs no room per
// line.
class ListGroup {
public:
    ListGroup(std::string_view text, std::string_view firstLine)
        : text_(text), firstLine_(firstLine) {}

    std::string_view firstLine() const { return firstLine_; }
    std::size_t lineCount() const { return lineCount_; }
    // The lines' length without their line ends.
    std::size_t textBytes() const { return textBytes_; }
    template <class Visit> void forEachLine(Visit&& visit) const {
        files::forEachLine(text_, visit);
    }
    std::vector<std::string_view> lines() const;

private:
    friend class ListGrouper;
    std::string_view text_;
    std::string_view firstLine_;
    std::size_t lineCount_ = 1;
    std::size_t textBytes_ = 0;
};

// The lines of a list file split into page groups: the first line opens the first
// group, and every later line holding "//" opens the next. A file with more groups than
// pages raises "List index out of bounds (11)" so that nothing is half-loaded. The groups
// are views into bytes, which the caller keeps while it uses them.
using ListGroups = std::vector<ListGroup>;
ListGroups groupListLines(std::string_view bytes);
ListGroups groupListLines(std::string&& bytes) = delete; // the views would outlive it
inline ListGroups groupListLines(const char* bytes) {
    return groupListLines(std::string_view(bytes));
}

// Replaces the list's lines with the group's, every line not ticked.
void assignGroup(model::CategoryList& list, const ListGroup& group);

} // namespace files

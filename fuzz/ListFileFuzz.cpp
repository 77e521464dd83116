// A list file opened, saved and opened again: grouping agrees with the plain line rules,
// a file with too many groups is refused whole, and what one save writes the next open
// reads back unchanged.
#include "files/ListFile.h"
#include "fuzz/FuzzCheck.h"
#include "model/ItemLine.h"
#include "model/ListError.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Opens the text into a fresh document as the window does: group k fills list k, and
// an eleventh group (the Notes page) has no list.
model::Document open(std::string_view bytes) {
    model::Document document;
    const files::ListGroups groups = files::groupListLines(bytes);
    for (std::size_t k = 0; k < groups.size() && k < model::CategoryCount; ++k)
        files::assignGroup(document.list(static_cast<int>(k)), groups[k]);
    return document;
}

std::vector<std::string> linesOf(const model::CategoryList& list) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < list.count(); ++i)
        lines.emplace_back(list.text(i));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = files::splitLines(bytes);
    std::size_t expectedGroups = lines.empty() ? 0 : 1;
    for (std::size_t i = 1; i < lines.size(); ++i)
        expectedGroups += model::isMarkerLine(lines[i]) ? 1 : 0;

    files::ListGroups groups;
    try {
        groups = files::groupListLines(bytes);
    } catch (const model::EListError&) {
        FUZZ_CHECK(expectedGroups > static_cast<std::size_t>(model::PageCount));
        return 0;
    }
    FUZZ_CHECK(groups.size() == expectedGroups);
    std::size_t next = 0;
    for (const files::ListGroup& group : groups) {
        const std::vector<std::string_view> groupLines = group.lines();
        FUZZ_CHECK(groupLines.size() == group.lineCount());
        FUZZ_CHECK(group.firstLine() == groupLines.front());
        std::size_t textBytes = 0;
        for (std::string_view line : groupLines) {
            FUZZ_CHECK(next < lines.size() && line == lines[next]);
            textBytes += line.size();
            ++next;
        }
        FUZZ_CHECK(textBytes == group.textBytes());
    }
    FUZZ_CHECK(next == lines.size());

    const model::Document first = open(bytes);
    const std::string saved = files::listFileBytes(first);
    const model::Document second = open(saved);
    for (int c = 0; c < model::CategoryCount; ++c)
        FUZZ_CHECK(linesOf(first.list(c)) == linesOf(second.list(c)));
    FUZZ_CHECK(files::listFileBytes(second) == saved);
    return 0;
}

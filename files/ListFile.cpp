#include "files/ListFile.h"

#include "model/ItemLine.h"
#include "model/ListError.h"
#include "platform/ReadFile.h"
#include "platform/ReplaceFile.h"

namespace files {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    forEachLine(bytes, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string readFileBytes(const std::string& path) {
    return platform::readRegularFile(path, MaxListFileBytes);
}

std::string listFileBytes(const model::Document& document) {
    std::size_t size = 0;
    for (int c = 0; c < model::CategoryCount; ++c)
        for (const model::Line& line : document.list(c).lines())
            size += line.length + 2;
    std::string bytes;
    bytes.reserve(size);
    for (int c = 0; c < model::CategoryCount; ++c) {
        const model::CategoryList& list = document.list(c);
        for (const model::Line& line : list.lines()) {
            bytes += list.textOf(line);
            bytes += "\r\n";
        }
    }
    return bytes;
}

void SaveListFile(const model::Document& document, const std::string& path) {
    platform::replaceFile(path, listFileBytes(document));
}

ListGroups groupListLines(std::string_view bytes) {
    ListGroups groups;
    forEachLine(bytes, [&groups](std::string_view line) {
        if (groups.empty() || model::isMarkerLine(line)) {
            if (groups.size() == PageCount)
                throw model::indexOutOfBounds(static_cast<long long>(PageCount));
            groups.emplace_back();
        }
        groups.back().emplace_back(line);
    });
    return groups;
}

} // namespace files

#include "files/ListFile.h"

#include "model/ItemLine.h"
#include "model/ListError.h"
#include "platform/Errors.h"
#include "platform/ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace files {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    forEachLine(bytes, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string readFileBytes(const std::string& path) {
    const auto fail = [&path](int code) {
        return platform::EFileError("Cannot open file \"" + path + "\". " +
                                    std::generic_category().message(code));
    };
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"),
                                                                  &std::fclose);
    if (!file)
        throw fail(errno);
    // Read straight into the result, sized by what the file holds now; a file that grows
    // meanwhile is still read to its end.
    std::error_code ignored;
    const std::uintmax_t hint = std::filesystem::file_size(path, ignored);
    std::string bytes;
    std::size_t used = 0;
    bytes.resize(hint != static_cast<std::uintmax_t>(-1) && hint > 0 ? hint + 1 : 1 << 16);
    for (;;) {
        const std::size_t room = bytes.size() - used;
        const std::size_t got = std::fread(bytes.data() + used, 1, room, file.get());
        used += got;
        if (got < room) {
            if (std::ferror(file.get()))
                throw fail(errno != 0 ? errno : EIO);
            bytes.resize(used);
            return bytes;
        }
        bytes.resize(bytes.size() * 2);
    }
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

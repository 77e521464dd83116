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

std::vector<std::string_view> ListGroup::lines() const {
    std::vector<std::string_view> lines;
    lines.reserve(lineCount_);
    forEachLine([&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

// Builds the groups while the lines go by; a group's text runs from its first line to
// where the next group's first line starts.
class ListGrouper {
public:
    explicit ListGrouper(std::string_view bytes) : bytes_(bytes) {}

    void add(std::string_view line) {
        if (groups_.empty() || model::isMarkerLine(line)) {
            // A list file fills the ten category pages and the Notes page.
            if (groups_.size() == static_cast<std::size_t>(model::PageCount))
                throw model::indexOutOfBounds(model::PageCount);
            closeLast(line.data());
            groups_.emplace_back(std::string_view(line.data(), 0), line);
        } else {
            ++groups_.back().lineCount_;
        }
        groups_.back().textBytes_ += line.size();
    }

    ListGroups finish() {
        closeLast(bytes_.data() + bytes_.size());
        return std::move(groups_);
    }

private:
    void closeLast(const char* end) {
        if (groups_.empty())
            return;
        std::string_view& text = groups_.back().text_;
        text = std::string_view(text.data(), static_cast<std::size_t>(end - text.data()));
    }

    std::string_view bytes_;
    ListGroups groups_;
};

ListGroups groupListLines(std::string_view bytes) {
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    ListGrouper grouper(bytes);
    forEachLine(bytes, [&grouper](std::string_view line) { grouper.add(line); });
    return grouper.finish();
}

void assignGroup(model::CategoryList& list, const ListGroup& group) {
    list.assign(group.lineCount(), group.textBytes(),
                [&group](const auto& add) { group.forEachLine(add); });
}

} // namespace files

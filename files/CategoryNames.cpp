#include "files/CategoryNames.h"

#include "files/ListFile.h"
#include "model/ListError.h"
#include "platform/ReplaceFile.h"

#include <filesystem>

namespace files {

std::string categoryNamesBytes(const model::Document& document) {
    std::string bytes;
    for (int c = 0; c < model::CategoryCount; ++c) {
        const model::CategoryList& list = document.list(c);
        if (list.count() > 0)
            bytes += list.text(0);
        bytes += "\r\n";
    }
    return bytes;
}

void SaveCategoryNames(const model::Document& document, const std::string& path) {
    platform::replaceFile(path, categoryNamesBytes(document));
}

void LoadCategoryNames(model::Document& document, const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return;
    const std::vector<std::string> lines = splitLines(readFileBytes(path));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == static_cast<std::size_t>(model::PageCount))
            throw model::indexOutOfBounds(static_cast<long long>(i));
        if (i < model::CategoryCount)
            document.list(static_cast<int>(i)).assign({lines[i]});
    }
}

} // namespace files

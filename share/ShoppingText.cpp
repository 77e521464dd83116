#include "share/ShoppingText.h"

#include "platform/AppPaths.h"
#include "platform/ReplaceFile.h"
#include "share/TickedItemWalk.h"

namespace share {

namespace {

// The quantity starts in column 51; a name of 50 characters or more is followed by none.
constexpr std::size_t ItemColumnWidth = 50;

class TextSink : public TickedItemSink {
public:
    explicit TextSink(std::vector<std::string>& lines) : lines_(lines) {}

    void heading(const std::string& heading) override {
        lines_.emplace_back();
        lines_.push_back(heading);
        lines_.emplace_back();
    }

    void entry(const std::string& name, const std::string& quantity) override {
        std::string line = name;
        if (name.size() < ItemColumnWidth)
            line.append(ItemColumnWidth - name.size(), ' ');
        line += quantity;
        lines_.push_back(std::move(line));
    }

private:
    std::vector<std::string>& lines_;
};

} // namespace

std::string longDateText(const CalendarDate& date, const MonthNames& months) {
    const bool known = date.month >= 1 && date.month <= 12;
    const std::string month = known ? months[static_cast<std::size_t>(date.month - 1)] : "";
    std::string year = std::to_string(date.year);
    if (date.year >= 0 && year.size() < 4)
        year.insert(0, 4 - year.size(), '0');
    return month + " " + std::to_string(date.day) + ", " + year;
}

std::string shoppingListPath() {
    return platform::programFilePathForWriting(platform::ProgramFile::ShoppingText);
}

void appendShoppingText(const model::Document& document, const std::string& dateText,
                        std::vector<std::string>& textLines) {
    textLines.push_back("SHOPPING LIST for " + dateText);
    textLines.emplace_back();
    TextSink sink(textLines);
    walkTickedItems(document, sink);
    textLines.emplace_back();
    textLines.emplace_back("Notes:");
    // Line breaks typed in the memo stay inside this one line, as typed.
    textLines.push_back(document.notes());
}

void RenderShoppingText(const model::Document& document, const CalendarDate& today,
                        const MonthNames& months, std::vector<std::string>& textLines) {
    appendShoppingText(document, longDateText(today, months), textLines);
    std::size_t size = 0;
    for (const std::string& line : textLines)
        size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : textLines) {
        bytes += line;
        bytes += "\r\n";
    }
    platform::replaceWithNewFile(shoppingListPath(), bytes);
}

} // namespace share

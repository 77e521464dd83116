#pragma once

#include <string>
#include <string_view>

namespace model {

// A line is a marker line for the whole-list walks when "//" occurs anywhere in it.
bool isMarkerLine(std::string_view text);

// Every "//" removed, then leading and trailing characters with codes 0 to 32 cut.
std::string categoryName(std::string_view markerLine);

// The category name with a to z upper-cased (other bytes untouched).
std::string categoryHeading(std::string_view markerLine);

// Characters with codes 0 to 32 cut from both ends.
std::string_view trimControls(std::string_view text);

struct ItemParts {
    std::string name;
    std::string quantity;
};

// Split at the first TAB; a line without a TAB is all quantity.
ItemParts splitItemLine(std::string_view line);
std::string joinItemLine(std::string_view name, std::string_view quantity);

} // namespace model

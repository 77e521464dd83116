#include "model/ItemLine.h"

namespace model {

bool isMarkerLine(std::string_view text) {
    return text.find("//") != std::string_view::npos;
}

std::string_view trimControls(std::string_view text) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isControl(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string categoryName(std::string_view markerLine) {
    std::string stripped;
    stripped.reserve(markerLine.size());
    for (std::size_t i = 0; i < markerLine.size();) {
        if (markerLine.compare(i, 2, "//") == 0) {
            i += 2;
        } else {
            stripped.push_back(markerLine[i]);
            ++i;
        }
    }
    return std::string(trimControls(stripped));
}

std::string categoryHeading(std::string_view markerLine) {
    std::string heading = categoryName(markerLine);
    for (char& c : heading)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return heading;
}

ItemParts splitItemLine(std::string_view line) {
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos)
        return {std::string(), std::string(line)};
    return {std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
}

std::string joinItemLine(std::string_view name, std::string_view quantity) {
    std::string line;
    line.reserve(name.size() + 1 + quantity.size());
    line.append(name);
    line.push_back('\t');
    line.append(quantity);
    return line;
}

} // namespace model

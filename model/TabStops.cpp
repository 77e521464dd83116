#include "model/TabStops.h"

#include <algorithm>

namespace model {

TabStops designedTabStops(int category) {
    if (category == 0)
        return {8};
    return {8, 16, 24, -32};
}

int averageCharWidth(int widthOf52Letters) {
    const int quotient = widthOf52Letters / 52;
    const int remainder = widthOf52Letters % 52;
    if (remainder * 2 > 52 || (remainder * 2 == 52 && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

TabStops recomputeTabStops(TabStops stops, const std::vector<int>& sectionWidths,
                           int averageWidth) {
    if (stops.empty() || sectionWidths.empty() || averageWidth <= 0)
        return stops;
    const std::size_t n = std::min(sectionWidths.size(), stops.size()) - 1;
    int sum = 0;
    for (std::size_t i = 0; i <= n; ++i) {
        sum += sectionWidths[i];
        if (stops[i] >= 0)
            stops[i] = sum / averageWidth + 1;
    }
    return stops;
}

} // namespace model

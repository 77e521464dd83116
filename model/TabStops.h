#pragma once

#include <vector>

namespace model {

// Tab stops in average character widths; a negative stop is right-aligned at its
// absolute value.
using TabStops = std::vector<int>;

// Designed stops: the Dairy list has one, the other nine have four.
TabStops designedTabStops(int category);

// Average character width: the pixel width of the 52 letters A-Z and a-z divided by 52,
// rounded to the nearest whole number with a half going to the even neighbour.
int averageCharWidth(int widthOf52Letters);

// New stops from the header's section widths: for i up to the smaller of
// (sections - 1) and (stops - 1), a non-negative stop i becomes
// (sum of widths 0..i) div A + 1.
TabStops recomputeTabStops(TabStops stops, const std::vector<int>& sectionWidths, int averageWidth);

} // namespace model

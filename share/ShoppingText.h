#pragma once

#include "model/Document.h"

#include <array>
#include <string>
#include <vector>

namespace share {

// A calendar day; month 1 to 12.
struct CalendarDate {
    int year = 0;
    int month = 1;
    int day = 1;
};

// The full month names January to December as the user's regional settings give them,
// in the text the output needs (single bytes for the text file, UTF-8 for print).
using MonthNames = std::array<std::string, 12>;

// "MMMM d, yyyy": the full month name, the day without a leading zero, the four-digit year.
// Only ASCII is added to the month name, so it serves either kind of text.
std::string longDateText(const CalendarDate& date, const MonthNames& months);

// The e-mailed text is written here: ShoppingList.txt beside the executable, or in the
// user's private cache folder for an installed program (its folder is made if missing).
std::string shoppingListPath();

// Appends the title with the date, the ticked items under their category headings (the
// quantity in column 51) and the Notes text to textLines.
void appendShoppingText(const model::Document& document, const std::string& dateText,
                        std::vector<std::string>& textLines);

// Appends the text for the given day to textLines, then writes textLines, every line
// followed by CR LF, to shoppingListPath(), replacing the file whole. The caller passes
// today and the user's month names, so the rendering never reads the clock or the locale.
// Raises platform::EFileError when the file cannot be written.
void RenderShoppingText(const model::Document& document, const CalendarDate& today,
                        const MonthNames& months, std::vector<std::string>& textLines);

} // namespace share

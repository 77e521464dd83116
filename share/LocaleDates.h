#pragma once

#include "share/ShoppingText.h"

#include <QDate>
#include <QLocale>
#include <string>

namespace share {

CalendarDate calendarDate(const QDate& date);

// The month names as the locale spells them, in UTF-8: the printed report shows any
// script.
MonthNames printMonthNames(const QLocale& locale);

// The month names for ShoppingList.txt, in the document's single-byte code page. A name
// that code page cannot hold (Cyrillic, Greek, Japanese ...) is given in English, so the
// file never carries question marks.
MonthNames textFileMonthNames(const QLocale& locale);

// "MMMM d, yyyy" for the printed report, in UTF-8.
std::string printDateText(const QDate& date, const QLocale& locale);

} // namespace share

#pragma once

#include "model/Document.h"
#include "share/Clock.h"
#include "tables/MemTable.h"

#include <string>

namespace share {

// The print-ready copy of the list the report reads: tblItems holds a spacer row and a
// heading row before each category's ticked items, then one row per item; tblComments
// holds the notes and the date in one row.
struct ReportTables {
    ReportTables();
    tables::MemTable tblItems;
    tables::MemTable tblComments;
};

// Empties both tables and fills them from the ticked items, the notes and the clock's
// date in the user's locale (QLocale(), the system's unless the program set another).
// The date is UTF-8, with the month spelled as the locale spells it; every other field
// is document text. Both tables end closed, holding the new rows.
void FillReportTables(const model::Document& document, ReportTables& tables,
                      const Clock& clock = systemToday);

} // namespace share

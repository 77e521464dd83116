#pragma once

#include "report/ReportDefinition.h"
#include "report/ReportSystem.h"
#include "share/ReportTables.h"

namespace share {

// The built-in report: Report1 on a US Letter page, Band1 with the title and the date
// at the top of every page, DataBand1 once per row of tblItems, DataBand2 with the notes.
// Built on first use; it stays for the rest of the run.
const report::ReportDef& shoppingListReport();

// Both tables read through the report's data views, in the order of the definition.
// Each table is opened if closed and left as it was found.
report::ReportData shoppingListData(ReportTables& tables);

// The output settings the print command runs the report with.
report::ReportSettings shoppingListReportSettings();

} // namespace share

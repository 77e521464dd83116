#pragma once

#include "report/ReportDefinition.h"
#include "report/TextMeasure.h"

#include <functional>
#include <optional>

namespace report {

// One item put on a page: where (from the page's top-left corner), in which font and
// with which lines of text. Empty fields put nothing on the page.
struct PlacedItem {
    QString name;
    Mils x = 0;
    Mils y = 0;
    Mils width = 0;
    Mils height = 0;
    FontSpec font;
    QStringList lines;
};

struct Page {
    std::vector<PlacedItem> items;
};

struct Layout {
    Mils pageWidth = 0;
    Mils pageHeight = 0;
    std::vector<Page> pages;
};

// Called as each page is begun, with its number from 1; returning false cancels.
using PageProgress = std::function<bool(int page)>;

// Lays the rows out into pages: header bands at the top of every page, each data band
// once per row of its view, a band that does not fit below the last one moved whole to
// the next page. Returns nothing when progress cancelled.
std::optional<Layout> layoutReport(const ReportDef& definition, const ReportData& data,
                                   const TextMeasure& measure, const PageProgress& progress = {});

} // namespace report

#include "share/ReportTables.h"
#include "share/LocaleDates.h"
#include "share/ShoppingReport.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

const share::Clock fixedDay = [] { return QDate(2004, 8, 16); };

void addTicked(model::Document& doc, int category, const std::string& text) {
    doc.list(category).setTicked(doc.list(category).append(text), true);
}

std::vector<std::string> items(share::ReportTables& t) {
    std::vector<std::string> out;
    t.tblItems.open();
    for (t.tblItems.first(); !t.tblItems.eof(); t.tblItems.next())
        out.push_back(t.tblItems.field("Item") + "|" + t.tblItems.field("Quantity"));
    t.tblItems.close();
    return out;
}

std::pair<std::string, std::string> comments(share::ReportTables& t) {
    t.tblComments.open();
    EXPECT_EQ(t.tblComments.recordCount(), 1u);
    t.tblComments.first();
    auto row = std::make_pair(t.tblComments.field("Comments"), t.tblComments.field("CurrentDate"));
    t.tblComments.close();
    return row;
}

} // namespace

TEST(FillReportTables, oneTickedMeatItemGivesSpacerHeadingAndItem) {
    model::Document doc;
    addTicked(doc, 1, "Ham\t2");
    share::ReportTables t;
    share::FillReportTables(doc, t, fixedDay);
    EXPECT_EQ(items(t), (std::vector<std::string>{"|", "MEAT|", "Ham|2"}));
    EXPECT_FALSE(t.tblItems.isOpen());
    EXPECT_FALSE(t.tblComments.isOpen());
}

TEST(FillReportTables, categoriesInOrderAndALineWithoutTabIsAllQuantity) {
    model::Document doc;
    addTicked(doc, 9, "Soap\t1");
    addTicked(doc, 0, "Milk\t2");
    addTicked(doc, 0, "Eggs");
    doc.list(0).replaceText(0, "// Dairy & Eggs ");
    share::ReportTables t;
    share::FillReportTables(doc, t, fixedDay);
    EXPECT_EQ(items(t), (std::vector<std::string>{"|", "DAIRY & EGGS|", "Milk|2", "|Eggs", "|",
                                                  "MISC|", "Soap|1"}));
}

TEST(FillReportTables, valuesAreCutToTheirFields) {
    model::Document doc;
    addTicked(doc, 0, std::string(300, 'n') + "\t123456");
    doc.setNotes(std::string(255, 'c'));
    share::ReportTables t;
    share::FillReportTables(doc, t, fixedDay);
    EXPECT_EQ(items(t).at(2), std::string(255, 'n') + "|12345");
    EXPECT_EQ(comments(t).first, std::string(255, 'c'));
}

TEST(FillReportTables, printingTwiceReplacesTheFirstFill) {
    model::Document doc;
    addTicked(doc, 0, "Milk\t2");
    doc.setNotes("Buy bread\r\nand jam");
    share::ReportTables t;
    share::FillReportTables(doc, t, fixedDay);
    doc.list(0).setTicked(1, false);
    doc.setNotes("");
    share::FillReportTables(doc, t, [] { return QDate(2004, 8, 17); });
    EXPECT_TRUE(items(t).empty());
    const auto [notes, date] = comments(t);
    EXPECT_EQ(notes, "");
    EXPECT_EQ(date, share::printDateText(QDate(2004, 8, 17), QLocale()));
}

TEST(FillReportTables, dateIsFullMonthDayWithoutZeroAndYear) {
    EXPECT_EQ(share::printDateText(QDate(2004, 8, 6), QLocale(QLocale::English)), "August 6, 2004");
    EXPECT_EQ(share::printDateText(QDate(2004, 3, 5), QLocale(QLocale::German)),
              "M\xC3\xA4rz 5, 2004");
}

TEST(ShoppingListData, readsBothTablesAndLeavesThemClosed) {
    model::Document doc;
    addTicked(doc, 0, "Milk\t2");
    doc.setNotes("Buy bread");
    share::ReportTables t;
    share::FillReportTables(doc, t, fixedDay);
    const report::ReportData data = share::shoppingListData(t);
    ASSERT_EQ(data.size(), 2u);
    ASSERT_EQ(data[0].rows.size(), 3u);
    EXPECT_EQ(data[0].value(2, "Item"), "Milk");
    EXPECT_EQ(data[0].value(2, "Quantity"), "2");
    EXPECT_EQ(data[1].value(0, "Comments"), "Buy bread");
    EXPECT_FALSE(t.tblItems.isOpen());
    EXPECT_FALSE(t.tblComments.isOpen());
}

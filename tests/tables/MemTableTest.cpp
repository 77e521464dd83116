#include "tables/MemTable.h"

#include <gtest/gtest.h>

using tables::MemTable;

namespace {

MemTable items(bool persistent = true) {
    return MemTable("tblItems", {{"Item", 255}, {"Quantity", 5}}, persistent);
}

void add(MemTable& t, const std::string& item, const std::string& quantity) {
    t.append();
    t.setField("Item", item);
    t.setField("Quantity", quantity);
    t.post();
}

std::vector<std::string> readAll(MemTable& t) {
    std::vector<std::string> out;
    for (t.first(); !t.eof(); t.next())
        out.push_back(t.field("Item") + "|" + t.field("Quantity"));
    return out;
}

} // namespace

TEST(MemTable, rowsReadForwardsInInsertionOrderAndUnassignedFieldsAreEmpty) {
    MemTable t = items();
    t.open();
    add(t, "Milk", "2");
    t.append();
    t.setField("Item", "DAIRY");
    t.post();
    t.append();
    t.post();
    EXPECT_EQ(readAll(t), (std::vector<std::string>{"Milk|2", "DAIRY|", "|"}));
    EXPECT_TRUE(t.eof());
    t.next(); // past the end stays at the end
    EXPECT_TRUE(t.eof());
}

TEST(MemTable, assignmentCutsSilentlyAtTheFieldLength) {
    MemTable t = items();
    t.open();
    add(t, std::string(300, 'x'), "123456");
    t.first();
    EXPECT_EQ(t.field("Item"), std::string(255, 'x'));
    EXPECT_EQ(t.field("Quantity"), "12345");
}

TEST(MemTable, utf8FieldsCutWholeCharactersAndSingleByteFieldsCutBytes) {
    MemTable t("tblComments", {{"Date", 5, tables::FieldText::Utf8},
                               {"Bytes", 5},
                               {"Short", 9, tables::FieldText::Utf8}});
    t.open();
    t.append();
    // Cyrillic letters are two bytes, the CJK one three.
    t.setField("Date", "\xD0\xB4\xD0\xB5\xD0\xBA\xE6\x9C\x88 10, 2004");
    t.setField("Bytes", "\xD0\xB4\xD0\xB5\xD0\xBA");
    t.setField("Short", "\xE6\x9C\x88 1");
    t.post();
    t.first();
    EXPECT_EQ(t.field("Date"), "\xD0\xB4\xD0\xB5\xD0\xBA\xE6\x9C\x88 ");
    EXPECT_EQ(t.field("Bytes"), "\xD0\xB4\xD0\xB5\xD0");
    EXPECT_EQ(t.field("Short"), "\xE6\x9C\x88 1");
}

TEST(MemTable, persistentRowsSurviveCloseAndReopenOthersDoNot) {
    MemTable kept = items(true);
    kept.open();
    add(kept, "Ham", "1");
    kept.close();
    kept.open();
    EXPECT_EQ(readAll(kept), (std::vector<std::string>{"Ham|1"}));

    MemTable dropped = items(false);
    dropped.open();
    add(dropped, "Ham", "1");
    dropped.close();
    dropped.open();
    EXPECT_EQ(dropped.recordCount(), 0u);
}

TEST(MemTable, emptyingCancelsThePendingRowAndLeavesTheTableOpen) {
    MemTable t = items();
    t.open();
    add(t, "Milk", "2");
    t.append();
    t.setField("Item", "half done");
    t.emptyTable();
    EXPECT_TRUE(t.isOpen());
    EXPECT_FALSE(t.editing());
    t.post(); // nothing pending: adds nothing
    EXPECT_EQ(t.recordCount(), 0u);
}

TEST(MemTable, closingCancelsAPendingRowAndOpeningTwiceKeepsRows) {
    MemTable t = items();
    t.open();
    add(t, "Milk", "2");
    t.open();
    t.append();
    t.setField("Item", "never posted");
    t.close();
    t.open();
    EXPECT_EQ(readAll(t), (std::vector<std::string>{"Milk|2"}));
}

TEST(MemTable, misuseIsReportedNotIgnored) {
    MemTable t = items();
    EXPECT_THROW(t.append(), tables::ETableError); // closed
    EXPECT_THROW(t.recordCount(), tables::ETableError);
    t.open();
    EXPECT_THROW(t.setField("Item", "x"), tables::ETableError); // no row pending
    t.append();
    EXPECT_THROW(t.setField("Price", "1"), tables::ETableError);
    t.post();
    t.first();
    EXPECT_THROW((void)t.field("Price"), tables::ETableError);
    t.next();
    EXPECT_THROW((void)t.field("Item"), tables::ETableError); // past the end
}

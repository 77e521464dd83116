#include "model/ItemLine.h"

#include <gtest/gtest.h>

using namespace model;

TEST(MarkerTest, findsDoubleSlashAnywhereButNotInEmptyOrSingleSlashLines) {
    EXPECT_TRUE(isMarkerLine("//Dairy"));
    EXPECT_TRUE(isMarkerLine("http://example.org\t1"));
    EXPECT_TRUE(isMarkerLine("//"));
    EXPECT_FALSE(isMarkerLine(""));
    EXPECT_FALSE(isMarkerLine("/Dairy/"));
    EXPECT_FALSE(isMarkerLine("Milk\t2"));
}

TEST(CategoryName, removesEverySlashPairAndTrimsControlCharacters) {
    EXPECT_EQ(categoryName("//Dairy"), "Dairy");
    EXPECT_EQ(categoryName("// Baby //"), "Baby");
    EXPECT_EQ(categoryName("//"), "");
    EXPECT_EQ(categoryName("//  Soft drinks  "), "Soft drinks");
    EXPECT_EQ(categoryName("\t//Cans\r"), "Cans");
    // Three slashes leave one; a slash pair inside the name goes too.
    EXPECT_EQ(categoryName("///Meat"), "/Meat");
    EXPECT_EQ(categoryName("//Fish//Chips"), "FishChips");
    // A first line that is an item keeps its inner TAB.
    EXPECT_EQ(categoryName(" Milk\t2 "), "Milk\t2");
}

TEST(CategoryHeading, upperCasesOnlyAsciiLetters) {
    EXPECT_EQ(categoryHeading("//Dairy"), "DAIRY");
    EXPECT_EQ(categoryHeading("// café 2go"), "CAF\xc3\xa9 2GO");
    EXPECT_EQ(categoryHeading("//\xe9pices"), "\xe9PICES");
}

TEST(ItemLine, splitsAtTheFirstTabOnly) {
    ItemParts p = splitItemLine("Milk\t2");
    EXPECT_EQ(p.name, "Milk");
    EXPECT_EQ(p.quantity, "2");
    p = splitItemLine("Milk\t2\tx");
    EXPECT_EQ(p.name, "Milk");
    EXPECT_EQ(p.quantity, "2\tx");
    p = splitItemLine("no tab here");
    EXPECT_EQ(p.name, "");
    EXPECT_EQ(p.quantity, "no tab here");
    p = splitItemLine("\t");
    EXPECT_EQ(p.name, "");
    EXPECT_EQ(p.quantity, "");
}

TEST(ItemLine, joinKeepsBlanksAndRoundTripsWithSplit) {
    EXPECT_EQ(joinItemLine("  Milk ", "2"), "  Milk \t2");
    const ItemParts p = splitItemLine(joinItemLine(" a b ", "word"));
    EXPECT_EQ(p.name, " a b ");
    EXPECT_EQ(p.quantity, "word");
}

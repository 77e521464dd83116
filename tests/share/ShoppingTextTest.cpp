#include "share/ShoppingText.h"
#include "platform/AppPaths.h"
#include "platform/Errors.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const share::MonthNames English{"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};

void addItem(model::Document& doc, int category, const std::string& text, bool ticked = true) {
    const auto i = doc.list(category).append(text);
    doc.list(category).setTicked(i, ticked);
}

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

std::string render(const model::Document& doc, const share::CalendarDate& day = {2004, 3, 5}) {
    std::vector<std::string> lines;
    share::RenderShoppingText(doc, day, English, lines);
    return readBytes(share::shoppingListPath());
}

} // namespace

TEST(ShoppingText, writesTheExampleListByteForByteBesideTheExecutable) {
    TempAppDir dir;
    model::Document doc;
    addItem(doc, 0, "Milk\t2");
    addItem(doc, 0, "Cheese\t1", false);
    addItem(doc, 3, "Apples\t6");
    doc.setNotes("Bring bags");

    std::vector<std::string> lines;
    share::RenderShoppingText(doc, {2004, 3, 5}, English, lines);

    EXPECT_EQ(share::shoppingListPath(), dir.file("ShoppingList.txt"));
    EXPECT_EQ(readBytes(dir.file("ShoppingList.txt")), "SHOPPING LIST for March 5, 2004\r\n\r\n"
                                                       "\r\nDAIRY\r\n\r\n"
                                                       "Milk" +
                                                           spaces(46) +
                                                           "2\r\n"
                                                           "\r\nFRUITS\r\n\r\n"
                                                           "Apples" +
                                                           spaces(44) +
                                                           "6\r\n"
                                                           "\r\nNotes:\r\nBring bags\r\n");
    EXPECT_EQ(lines.size(), 13u);
}

TEST(ShoppingText, nothingTickedGivesTitleNotesAndAnEmptyNotesLine) {
    TempAppDir dir;
    model::Document doc;
    addItem(doc, 4, "Rice\t1", false);
    doc.list(4).setTicked(0, true); // a ticked marker line adds nothing
    addItem(doc, 5, "");            // an empty ticked line brings no heading
    EXPECT_EQ(render(doc, {2026, 12, 31}),
              "SHOPPING LIST for December 31, 2026\r\n\r\n\r\nNotes:\r\n\r\n");
}

TEST(ShoppingText, itemColumnRuleAtFortyNineFiftyAndLongerNames) {
    TempAppDir dir;
    model::Document doc;
    const std::string n49(49, 'a'), n50(50, 'b'), n60(60, 'c');
    addItem(doc, 1, n49 + "\t1");
    addItem(doc, 1, n50 + "\t2");
    addItem(doc, 1, n60 + "\t3");
    addItem(doc, 1, "Bacon");         // no TAB: all of it is the quantity
    addItem(doc, 1, "Tuna\t2\tcans"); // the second TAB stays in the quantity
    EXPECT_EQ(render(doc), "SHOPPING LIST for March 5, 2004\r\n\r\n\r\nMEAT\r\n\r\n" + n49 +
                               " 1\r\n" + n50 + "2\r\n" + n60 + "3\r\n" + spaces(50) +
                               "Bacon\r\nTuna" + spaces(46) + "2\tcans\r\n\r\nNotes:\r\n\r\n");
}

TEST(ShoppingText, headingsFromMarkerTextAndFromItemsContainingSlashes) {
    TempAppDir dir;
    model::Document doc;
    doc.list(2).replaceText(0, "//  green\xe9 things ");
    addItem(doc, 2, "Leeks\t3");
    addItem(doc, 2, "see www.x.org//veg\t1", false); // unticked, still makes the heading
    addItem(doc, 2, "Kale\t1");
    doc.setNotes("Gas up\r\nthe car");
    EXPECT_EQ(render(doc), "SHOPPING LIST for March 5, 2004\r\n\r\n"
                           "\r\nGREEN\xe9 THINGS\r\n\r\nLeeks" +
                               spaces(45) +
                               "3\r\n"
                               "\r\nSEE WWW.X.ORGVEG\t1\r\n\r\nKale" +
                               spaces(46) +
                               "1\r\n"
                               "\r\nNotes:\r\nGas up\r\nthe car\r\n");
}

TEST(ShoppingText, dateUsesTheCallersMonthNamesWithoutLeadingZeros) {
    share::MonthNames german = English;
    german[2] = "M\xe4rz";
    EXPECT_EQ(share::longDateText({2004, 3, 5}, german), "M\xe4rz 5, 2004");
    EXPECT_EQ(share::longDateText({987, 11, 30}, English), "November 30, 0987");
}

TEST(ShoppingText, eachRenderingReplacesTheWholeFileAndKeepsEarlierLinesOfTheList) {
    TempAppDir dir;
    writeBytes(dir.file("ShoppingList.txt"), std::string(5000, 'x'));
    model::Document doc;
    std::vector<std::string> lines{"kept"};
    share::RenderShoppingText(doc, {2004, 3, 5}, English, lines);
    EXPECT_EQ(readBytes(dir.file("ShoppingList.txt")),
              "kept\r\nSHOPPING LIST for March 5, 2004\r\n\r\n\r\nNotes:\r\n\r\n");
}

TEST(ShoppingText, aFolderThatCannotTakeTheFileRaisesCannotCreateFile) {
    TempAppDir dir;
    const std::string missing = dir.file("gone/");
    platform::setExecutableFolderForTesting(missing);
    model::Document doc;
    std::vector<std::string> lines;
    try {
        share::RenderShoppingText(doc, {2004, 3, 5}, English, lines);
        ADD_FAILURE() << "no error for a folder that does not exist";
    } catch (const platform::EFileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + missing +
                                                 "ShoppingList.txt\". No such file or directory");
    }
}

#include "model/CategoryList.h"
#include "model/ListError.h"

#include <gtest/gtest.h>

using model::CategoryList;

namespace {

CategoryList listOf(std::initializer_list<const char*> texts) {
    CategoryList list;
    for (const char* t : texts)
        list.append(t);
    return list;
}

std::vector<std::string> texts(const CategoryList& list) {
    std::vector<std::string> out;
    for (const auto& line : list.lines())
        out.push_back(line.text);
    return out;
}

} // namespace

TEST(CategoryList, appendedLinesStartUntickedAndUnselected) {
    CategoryList list = listOf({"//Dairy", "Milk\t2"});
    EXPECT_EQ(list.append("Milk\t2"), 2u);
    EXPECT_FALSE(list.ticked(2));
    EXPECT_FALSE(list.selected(2));
    // Equal lines are independent lines.
    list.setTicked(1, true);
    EXPECT_TRUE(list.ticked(1));
    EXPECT_FALSE(list.ticked(2));
}

TEST(CategoryList, removeSelectedKeepsOrderAndOtherLinesState) {
    CategoryList list = listOf({"//Meat", "a", "b", "c", "d", "e"});
    list.setTicked(2, true);
    list.setTicked(4, true);
    list.setSelected(1, true);
    list.setSelected(3, true);
    list.setSelected(5, true);
    EXPECT_EQ(list.removeSelected(), 3u);
    EXPECT_EQ(texts(list), (std::vector<std::string>{"//Meat", "b", "d"}));
    EXPECT_TRUE(list.ticked(1));
    EXPECT_TRUE(list.ticked(2));
    EXPECT_EQ(list.selectionCount(), 0u);
}

TEST(CategoryList, removeSelectedWithNothingSelectedChangesNothingAndSendsNothing) {
    CategoryList list = listOf({"//Meat", "a"});
    int notifications = 0;
    list.setObserver([&](const model::ListChange&) { ++notifications; });
    EXPECT_EQ(list.removeSelected(), 0u);
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(notifications, 0);
}

TEST(CategoryList, focusedLineFollowsShrinkingList) {
    CategoryList list = listOf({"//Fruits", "a", "b"});
    list.setFocused(2);
    list.setSelected(2, true);
    list.removeSelected();
    EXPECT_EQ(list.focused(), 1);
    list.clear();
    EXPECT_EQ(list.focused(), CategoryList::NoFocus);
}

TEST(CategoryList, replaceTextKeepsTickAndFocus) {
    CategoryList list = listOf({"//Cans", "Beans\t1"});
    list.setTicked(1, true);
    list.setFocused(1);
    list.replaceText(1, "Peas\t3");
    EXPECT_EQ(list.text(1), "Peas\t3");
    EXPECT_TRUE(list.ticked(1));
    EXPECT_EQ(list.focused(), 1);
}

TEST(CategoryList, outOfRangeIndexesRaiseTheListIndexError) {
    CategoryList list = listOf({"//Baby"});
    try {
        list.text(5);
        FAIL() << "no error";
    } catch (const model::EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (5)");
    }
    EXPECT_THROW(list.setTicked(1, true), model::EListError);
    EXPECT_THROW(list.remove(1), model::EListError);
    EXPECT_THROW(list.setFocused(1), model::EListError);
    EXPECT_THROW(list.selectOnly({0, 3}), model::EListError);
    EXPECT_FALSE(list.selected(0)); // a failed selectOnly changes nothing
}

TEST(CategoryList, assignReplacesEverythingUnticked) {
    CategoryList list = listOf({"//Grains", "x"});
    list.setAllTicked(true);
    list.assign({"//Bread", "Rye\t1", ""});
    EXPECT_EQ(texts(list), (std::vector<std::string>{"//Bread", "Rye\t1", ""}));
    for (std::size_t i = 0; i < list.count(); ++i)
        EXPECT_FALSE(list.ticked(i));
}

TEST(CategoryList, tickAllIncludesLineZero) {
    CategoryList list = listOf({"//Drinks", "Tea\t1"});
    list.setAllTicked(true);
    EXPECT_TRUE(list.ticked(0));
    EXPECT_TRUE(list.ticked(1));
    list.setAllTicked(false);
    EXPECT_FALSE(list.ticked(0));
}

TEST(CategoryList, removeIfDropsMatchingLinesKeepingTicks) {
    CategoryList list = listOf({"//Misc", "a", "http://x\t1", "b"});
    list.setTicked(2, true);
    list.removeIf([](const std::string& t) { return t.find("//") == std::string::npos; });
    EXPECT_EQ(texts(list), (std::vector<std::string>{"//Misc", "http://x\t1"}));
    EXPECT_TRUE(list.ticked(1));
}

TEST(CategoryList, observerSeesAppendsAndResets) {
    CategoryList list;
    std::vector<model::ListChange::Kind> kinds;
    list.setObserver([&](const model::ListChange& c) { kinds.push_back(c.kind); });
    list.append("a");
    list.clear();
    EXPECT_EQ(kinds, (std::vector<model::ListChange::Kind>{model::ListChange::Appended,
                                                           model::ListChange::Reset}));
}

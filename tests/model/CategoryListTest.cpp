#include "model/CategoryList.h"
#include "model/ListError.h"

#include <gtest/gtest.h>
#include <stdexcept>

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
        out.emplace_back(list.textOf(line));
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
    list.removeIf([](std::string_view t) { return t.find("//") == std::string_view::npos; });
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

// Texts share one store that is rebuilt now and then; a long run of random edits must
// read back exactly like a plain vector of strings edited the same way.
TEST(CategoryList, textsStayExactThroughLongRunsOfEdits) {
    CategoryList list;
    std::vector<std::string> expected;
    std::vector<bool> ticks;
    unsigned seed = 7;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % range;
    };
    for (int step = 0; step < 20000; ++step) {
        const unsigned action = expected.empty() ? 0 : next(10);
        if (action < 4) {
            std::string text(next(60), static_cast<char>('a' + next(26)));
            text += std::to_string(step);
            list.append(text);
            expected.push_back(text);
            ticks.push_back(false);
        } else if (action < 7) {
            const std::size_t i = next(static_cast<unsigned>(expected.size()));
            expected[i] = "edited " + std::to_string(step) + std::string(next(40), 'z');
            list.replaceText(i, expected[i]);
        } else if (action == 7) {
            const std::size_t i = next(static_cast<unsigned>(expected.size()));
            list.setTicked(i, true);
            ticks[i] = true;
        } else if (action == 8) {
            const std::size_t i = next(static_cast<unsigned>(expected.size()));
            list.remove(i);
            expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(i));
            ticks.erase(ticks.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            // Drop every line whose text ends in an odd digit.
            const auto odd = [](std::string_view t) { return (t.back() - '0') % 2 == 1; };
            list.removeIf(odd);
            for (std::size_t i = expected.size(); i-- > 0;)
                if (odd(expected[i])) {
                    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(i));
                    ticks.erase(ticks.begin() + static_cast<std::ptrdiff_t>(i));
                }
        }
        if (step % 997 == 0 || step == 19999) {
            ASSERT_EQ(texts(list), expected) << "after step " << step;
            for (std::size_t i = 0; i < ticks.size(); ++i)
                ASSERT_EQ(list.ticked(i), ticks[i]) << i;
        }
    }
}

TEST(CategoryList, assignTakesTextsThatLieInTheListItself) {
    CategoryList list = listOf({"//Dairy", "Milk\t2", "Eggs\t12"});
    list.assign({list.text(2), list.text(0), list.text(2)});
    EXPECT_EQ(texts(list), (std::vector<std::string>{"Eggs\t12", "//Dairy", "Eggs\t12"}));
    list.clear();
    EXPECT_EQ(list.count(), 0u);
    list.append("after clear");
    EXPECT_EQ(list.text(0), "after clear");
}

TEST(CategoryList, assignFromASourceKeepsTheOldLinesWhenTheSourceFailsAndToleratesWrongSizes) {
    CategoryList list = listOf({"//Meat", "Ham\t1"});
    list.setFocused(1);
    int resets = 0;
    list.setObserver([&resets](const model::ListChange& c) { resets += c.kind == c.Reset; });
    EXPECT_THROW(list.assign(3, 12,
                             [](const auto& add) {
                                 add("//Fish");
                                 throw std::runtime_error("read failed");
                             }),
                 std::runtime_error);
    EXPECT_EQ(texts(list), (std::vector<std::string>{"//Meat", "Ham\t1"}));
    EXPECT_EQ(list.focused(), 1);
    EXPECT_EQ(resets, 0);

    // Sizes announced too small or too large only cost room.
    list.assign(1, 2, [](const auto& add) {
        for (const char* text : {"//Fish", "Cod\t2", "", "Salmon\t1"})
            add(text);
    });
    EXPECT_EQ(texts(list), (std::vector<std::string>{"//Fish", "Cod\t2", "", "Salmon\t1"}));
    EXPECT_EQ(list.focused(), CategoryList::NoFocus);
    EXPECT_EQ(resets, 1);
    list.assign(100, 5000, [](const auto& add) { add("//Fish"); });
    EXPECT_EQ(texts(list), std::vector<std::string>{"//Fish"});
    list.replaceText(0, "//Seafood");
    EXPECT_EQ(list.text(0), "//Seafood");
}

#include "share/TickedItemWalk.h"

#include <gtest/gtest.h>

namespace {

struct Recorder : share::TickedItemSink {
    std::vector<std::string> out;
    void heading(const std::string& h) override { out.push_back("H:" + h); }
    void entry(const std::string& n, const std::string& q) override {
        out.push_back("E:" + n + "|" + q);
    }
};

std::vector<std::string> walk(const model::Document& doc) {
    Recorder r;
    share::walkTickedItems(doc, r);
    return r.out;
}

void addTicked(model::Document& doc, int category, const std::string& text, bool ticked = true) {
    const auto i = doc.list(category).append(text);
    doc.list(category).setTicked(i, ticked);
}

} // namespace

TEST(TickedItemWalk, headingsComeOnceBeforeTheFirstTickedEntryInCategoryOrder) {
    model::Document doc;
    addTicked(doc, 9, "Soap\t1");
    addTicked(doc, 0, "Milk\t2");
    addTicked(doc, 0, "Cheese\t1", false);
    addTicked(doc, 0, "Eggs\t12");
    EXPECT_EQ(walk(doc),
              (std::vector<std::string>{"H:DAIRY", "E:Milk|2", "E:Eggs|12", "H:MISC", "E:Soap|1"}));
}

TEST(TickedItemWalk, markerLinesEmptyAndUntickedLinesAreNeverEntries) {
    model::Document doc;
    doc.list(1).setTicked(0, true); // a ticked marker line adds nothing
    addTicked(doc, 2, "");          // empty: skipped, brings no heading
    addTicked(doc, 3, "Pears\t3", false);
    EXPECT_TRUE(walk(doc).empty());
}

TEST(TickedItemWalk, itemWithSlashesStartsANewHeadingAndNoTabIsAllQuantity) {
    model::Document doc;
    doc.list(1).replaceText(0, "//  meat & fish ");
    addTicked(doc, 1, "Ham\t1");
    addTicked(doc, 1, "see http://shop\t1", false);
    addTicked(doc, 1, "Bacon");
    addTicked(doc, 1, "Tuna\t2\tcans");
    EXPECT_EQ(walk(doc), (std::vector<std::string>{"H:MEAT & FISH", "E:Ham|1", "H:SEE HTTP:SHOP\t1",
                                                   "E:|Bacon", "E:Tuna|2\tcans"}));
}

TEST(TickedItemWalk, flagCarriesAcrossListsThatDoNotStartWithAMarker) {
    model::Document doc;
    addTicked(doc, 0, "Milk\t1");
    doc.list(1).replaceText(0, "Ham\t1"); // line 0 that is no marker line
    doc.list(1).setTicked(0, true);
    EXPECT_EQ(walk(doc), (std::vector<std::string>{"H:DAIRY", "E:Milk|1", "E:Ham|1"}));
}

#include "model/Document.h"
#include "model/ListError.h"

#include <gtest/gtest.h>

using model::Document;

TEST(Document, startsWithTheDesignedMarkerLinesAndUnmodified) {
    Document doc;
    const char* markers[] = {"//Dairy", "//Meat",   "//Vegetables", "//Fruits", "//Grains",
                             "//Cans",  "//Drinks", "//Freezer",    "//Baby",   "//Misc"};
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(doc.list(i).count(), 1u);
        EXPECT_EQ(doc.list(i).text(0), markers[i]);
    }
    EXPECT_FALSE(doc.modified());
    EXPECT_THROW(doc.list(10), model::EListError);
}

TEST(Document, modifiedObserverSeesEverySetAndClear) {
    Document doc;
    std::vector<bool> seen;
    doc.onModifiedChanged([&](bool m) { seen.push_back(m); });
    doc.setModified();
    doc.clearModified();
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(Document, notesKeepAtMost255Characters) {
    Document doc;
    doc.setNotes(std::string(300, 'x'));
    EXPECT_EQ(doc.notes().size(), 255u);
    doc.setNotes("short\r\nnote");
    EXPECT_EQ(doc.notes(), "short\r\nnote");
}

TEST(Document, tickingTheWholeListLeavesTheModifiedFlag) {
    Document doc;
    doc.list(4).append("Rice\t1");
    doc.setAllTicked(true);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(doc.list(i).ticked(0));
    EXPECT_TRUE(doc.list(4).ticked(1));
    EXPECT_FALSE(doc.modified());
}

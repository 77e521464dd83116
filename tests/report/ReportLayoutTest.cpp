#include "report/ReportLayout.h"
#include "share/ShoppingReport.h"

#include <gtest/gtest.h>

using report::Layout;
using report::PlacedItem;

namespace {

// Every character 0.05 in wide, lines 0.16 in apart: widths the tests can count.
class CountingMeasure : public report::TextMeasure {
public:
    double width(const report::FontSpec&, const QString& text) const override {
        return 50.0 * static_cast<double>(text.size());
    }
    report::Mils lineHeight(const report::FontSpec&) const override { return 160; }
};

report::ReportData rows(int itemRows, const QString& notes = QString()) {
    report::ViewRows items{{"Item", "Quantity"}, {}};
    for (int i = 0; i < itemRows; ++i)
        items.rows.push_back({QStringLiteral("Item %1").arg(i), QStringLiteral("1")});
    report::ViewRows comments{{"Comments", "CurrentDate"}, {{notes, "August 16, 2004"}}};
    return {items, comments};
}

Layout lay(const report::ReportData& data) {
    const CountingMeasure measure;
    return *report::layoutReport(share::shoppingListReport(), data, measure);
}

std::vector<const PlacedItem*> named(const report::Page& page, const QString& name) {
    std::vector<const PlacedItem*> out;
    for (const PlacedItem& item : page.items)
        if (item.name == name)
            out.push_back(&item);
    return out;
}

} // namespace

TEST(ReportLayout, nothingTickedGivesOnePageWithTitleDateAndNotes) {
    const Layout layout = lay(rows(0, "Buy bread"));
    ASSERT_EQ(layout.pages.size(), 1u);
    const report::Page& page = layout.pages[0];
    ASSERT_EQ(named(page, "Text1").size(), 1u);
    EXPECT_EQ(named(page, "Text1")[0]->lines, QStringList{"Shopping List"});
    EXPECT_EQ(named(page, "Text1")[0]->x, 300); // region 0.1 + item 0.2
    EXPECT_EQ(named(page, "Text1")[0]->y, 200);
    EXPECT_EQ(named(page, "DataText2")[0]->lines, QStringList{"August 16, 2004"});
    EXPECT_EQ(named(page, "DataText2")[0]->y, 400);
    // Notes band right below the 0.5 in header: caption 0.1 in, memo 0.3 in down.
    EXPECT_EQ(named(page, "Text2")[0]->y, 200 + 500 + 100);
    EXPECT_EQ(named(page, "DataMemo1")[0]->y, 200 + 500 + 300);
    EXPECT_EQ(named(page, "DataMemo1")[0]->lines, QStringList{"Buy bread"});
    EXPECT_TRUE(named(page, "DataText1").empty());
}

TEST(ReportLayout, emptyNotesPrintOnlyTheCaption) {
    const Layout layout = lay(rows(0));
    EXPECT_EQ(named(layout.pages[0], "Text2").size(), 1u);
    EXPECT_TRUE(named(layout.pages[0], "DataMemo1").empty());
}

TEST(ReportLayout, fortySixLinesFitAPageAndTheHeaderRepeats) {
    const Layout layout = lay(rows(47));
    ASSERT_EQ(layout.pages.size(), 2u);
    const auto first = named(layout.pages[0], "DataText1");
    const auto second = named(layout.pages[1], "DataText1");
    ASSERT_EQ(first.size(), 46u);
    EXPECT_EQ(first.front()->y, 700);
    EXPECT_EQ(first.back()->y, 700 + 45 * 200);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0]->lines, QStringList{"Item 46"});
    EXPECT_EQ(second[0]->y, 700);
    EXPECT_EQ(named(layout.pages[1], "Text1").size(), 1u);
    EXPECT_EQ(named(layout.pages[1], "DataText2")[0]->lines, QStringList{"August 16, 2004"});
    EXPECT_EQ(named(layout.pages[1], "Text2")[0]->y, 900 + 100);
    EXPECT_TRUE(named(layout.pages[0], "Text2").empty());
}

TEST(ReportLayout, notesBandMovesWholeWhenItDoesNotFit) {
    // 41 lines end at 0.7 + 8.2 = 8.9 in of 10.0: a 1.4 in band does not fit.
    const Layout moved = lay(rows(41, "Buy bread"));
    ASSERT_EQ(moved.pages.size(), 2u);
    EXPECT_EQ(named(moved.pages[1], "Text2")[0]->y, 800);
    EXPECT_EQ(named(moved.pages[1], "DataMemo1")[0]->y, 1000);
    EXPECT_TRUE(named(moved.pages[1], "DataText1").empty());
    // 39 lines end at 8.5 in, leaving 1.5 in: it stays.
    EXPECT_EQ(lay(rows(39, "Buy bread")).pages.size(), 1u);
    EXPECT_EQ(lay(rows(40, "Buy bread")).pages.size(), 2u);
}

TEST(ReportLayout, memoWrapsKeepsLineBreaksAndGrowsItsBand) {
    // 6.8 in holds 136 characters of 0.05 in.
    const QString word = QString(60, 'w');
    const QString notes = word + " " + word + " " + word + "\r\nsecond\nthird";
    const Layout layout = lay(rows(0, notes));
    const PlacedItem* memo = named(layout.pages[0], "DataMemo1")[0];
    EXPECT_EQ(memo->lines, (QStringList{word + " " + word, word, "second", "third"}));
    EXPECT_EQ(memo->height, 1000); // four lines of 0.16 in still fit the designed 1.0 in
    const Layout tall = lay(rows(39, QString("line\n").repeated(8)));
    // Nine lines (the last one empty) need 1.44 in: the band grows by 0.44 in and no
    // longer fits below 39 item lines.
    EXPECT_EQ(tall.pages.size(), 2u);
}

TEST(ReportLayout, dataTextsAreCutAtTheirWidth) {
    report::ViewRows items{{"Item", "Quantity"}, {{QString(300, 'a'), "12345"}}};
    report::ViewRows comments{{"Comments", "CurrentDate"}, {{"", "x"}}};
    const Layout layout = lay({items, comments});
    // 3.2 in at 0.05 in a character: 64 characters.
    EXPECT_EQ(named(layout.pages[0], "DataText1")[0]->lines, QStringList{QString(64, 'a')});
    EXPECT_EQ(named(layout.pages[0], "DataText3")[0]->lines, QStringList{"12345"});
}

TEST(ReportLayout, progressSeesEveryPageAndCanCancel) {
    const CountingMeasure measure;
    std::vector<int> seen;
    const auto done =
        report::layoutReport(share::shoppingListReport(), rows(100), measure, [&](int page) {
            seen.push_back(page);
            return true;
        });
    ASSERT_TRUE(done);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    const auto cancelled = report::layoutReport(share::shoppingListReport(), rows(100), measure,
                                                [](int page) { return page < 2; });
    EXPECT_FALSE(cancelled);
}

TEST(ReportLayout, realFontsCutA300CharacterNameInsideTheColumn) {
    const report::FontMetricsMeasure measure;
    report::ViewRows items{{"Item", "Quantity"}, {{QString(300, 'W'), "2"}}};
    report::ViewRows comments{{"Comments", "CurrentDate"}, {{"", ""}}};
    const auto layout =
        report::layoutReport(share::shoppingListReport(), {items, comments}, measure);
    const PlacedItem* item = named(layout->pages[0], "DataText1")[0];
    const QString shown = item->lines.at(0);
    const report::FontSpec font = item->font;
    EXPECT_GT(shown.size(), 10);
    EXPECT_LT(shown.size(), 300);
    EXPECT_LE(measure.width(font, shown), 3200.0);
    EXPECT_GT(measure.width(font, shown + "W"), 3200.0);
    // A 10 pt line is well inside the 0.2 in band.
    EXPECT_LT(measure.lineHeight(font), 200);
    EXPECT_GT(measure.lineHeight(font), 100);
}

#include "controls/HeaderControl.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using controls::HeaderControl;

namespace {

struct Header : testing::Test {
    void SetUp() override {
        header.setGeometry(0, 0, 500, 17);
        header.setSections({{"Item", 300}, {"Quantity", 100}});
        header.show();
    }
    void drag(int from, int to) {
        QTest::mousePress(&header, Qt::LeftButton, {}, QPoint(from, 8));
        QTest::mouseMove(&header, QPoint(to, 8));
        QTest::mouseRelease(&header, Qt::LeftButton, {}, QPoint(to, 8));
    }
    HeaderControl header;
};

} // namespace

TEST_F(Header, draggingASectionsRightEdgeResizesItAndReportsEachChange) {
    QSignalSpy resized(&header, &HeaderControl::sectionResize);
    drag(301, 250);
    EXPECT_EQ(header.sectionWidths(), (std::vector<int>{250, 100}));
    ASSERT_EQ(resized.count(), 1);
    EXPECT_EQ(resized.at(0).at(0).toInt(), 0);

    drag(350, 420); // the second section's right edge
    EXPECT_EQ(header.sectionWidths(), (std::vector<int>{250, 170}));
    EXPECT_EQ(resized.count(), 2);
    EXPECT_EQ(resized.at(1).at(0).toInt(), 1);
}

TEST_F(Header, pressesAwayFromAnEdgeResizeNothing) {
    QSignalSpy resized(&header, &HeaderControl::sectionResize);
    drag(150, 60);
    drag(460, 480);
    EXPECT_EQ(header.sectionWidths(), (std::vector<int>{300, 100}));
    EXPECT_EQ(resized.count(), 0);
}

TEST_F(Header, aSectionDraggedShutCanBeOpenedAgainAndWidthsNeverGoNegative) {
    drag(300, -40);
    EXPECT_EQ(header.sectionWidths(), (std::vector<int>{0, 100}));
    // Both edges now sit near x = 0 and 100; the nearest grab at 1 is the shut one.
    drag(1, 120);
    EXPECT_EQ(header.sectionWidths(), (std::vector<int>{120, 100}));
}

TEST_F(Header, settingSectionsOrTheirTextIsNoResize) {
    QSignalSpy resized(&header, &HeaderControl::sectionResize);
    header.setSections({{"A", 10}, {"B", -5}, {"C", 30}});
    header.setSectionText(1, "Bee");
    header.appendSection({"D", 40});
    header.resizeSection(7, 99); // no such section
    header.resizeSection(0, 10); // unchanged
    EXPECT_EQ(resized.count(), 0);
    EXPECT_EQ(header.sectionWidths(), (std::vector<int>{10, 0, 30, 40}));
    EXPECT_EQ(header.section(1).text, "Bee");
    EXPECT_EQ(header.sectionsCollection()->count(), 4);
    EXPECT_EQ(header.accessibleName(), "A, Bee, C, D");
}

TEST_F(Header, sectionsReadAsColumnHeadersForScreenReaders) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&header);
    ASSERT_NE(iface, nullptr);
    ASSERT_EQ(iface->childCount(), 2);
    QAccessibleInterface* item = iface->child(0);
    QAccessibleInterface* quantity = iface->child(1);
    ASSERT_NE(item, nullptr);
    ASSERT_NE(quantity, nullptr);
    EXPECT_EQ(item->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(quantity->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(item->text(QAccessible::Name), "Item");
    EXPECT_EQ(quantity->text(QAccessible::Name), "Quantity");
    EXPECT_EQ(iface->indexOfChild(quantity), 1);
    EXPECT_EQ(quantity->parent(), iface);
    EXPECT_EQ(quantity->rect(), QRect(header.mapToGlobal(QPoint(300, 0)), QSize(100, 17)));
    EXPECT_EQ(iface->childAt(quantity->rect().center().x(), quantity->rect().center().y()),
              quantity);

    // Renamed and removed sections read as they are now.
    header.setSectionText(1, "Qty");
    EXPECT_EQ(quantity->text(QAccessible::Name), "Qty");
    header.setSections({{"Only", 80}});
    EXPECT_EQ(iface->childCount(), 1);
    EXPECT_FALSE(quantity->isValid());
}

#include "controls/CheckListBox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QImage>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <gtest/gtest.h>

using controls::CheckListBox;

namespace {

class TwoColumnList : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 60; ++i) {
            auto* item = new QStandardItem(QStringLiteral("Item%1\t2").arg(i));
            item->setCheckable(true);
            item->setCheckState(Qt::Unchecked);
            model.appendRow(item);
        }
        list.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
        list.setModel(&model);
        list.setTabStops({8});
        list.setColumns(2);
        // No focus frame, so that only text can mark a line.
        list.setFocusPolicy(Qt::NoFocus);
    }

    void showAt(QSize size) {
        list.resize(size);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        list.doItemsLayout();
        QCoreApplication::processEvents();
    }

    // Pixels right of the check box, inside the line's own rectangle, that are not the
    // line's background: the drawn text.
    int inkPixels(const QImage& image, int row) const {
        const QRect line = list.visualRect(model.index(row, 0));
        const QRgb background = image.pixel(line.right() - 1, line.center().y());
        int count = 0;
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left() + 20; x < line.right(); ++x)
                count += image.pixel(x, y) != background;
        return count;
    }

    // The first line laid out in the second column.
    int firstRowOfSecondColumn() const {
        for (int row = 0; row < model.rowCount(); ++row)
            if (list.visualRect(model.index(row, 0)).left() > 0)
                return row;
        return -1;
    }

    QStandardItemModel model;
    CheckListBox list;
};

} // namespace

TEST_F(TwoColumnList, linesOfTheSecondColumnDrawTheirTextAtEverySize) {
    for (const QSize size : {QSize(500, 200), QSize(760, 330), QSize(380, 160)}) {
        showAt(size);
        const int row = firstRowOfSecondColumn();
        ASSERT_GT(row, 0) << size.width();
        ASSERT_GT(list.visualRect(model.index(row + 1, 0)).left(), 0);
        list.selectionModel()->select(model.index(row + 1, 0), QItemSelectionModel::ClearAndSelect);
        const QImage image = list.viewport()->grab().toImage();
        EXPECT_GT(inkPixels(image, 0), 20) << size.width();
        EXPECT_GT(inkPixels(image, row), 20) << size.width();
        EXPECT_GT(inkPixels(image, row + 1), 20) << size.width();
        // The selected line is the highlight bar with its text on it.
        EXPECT_EQ(image.pixel(list.visualRect(model.index(row + 1, 0)).right() - 1,
                              list.visualRect(model.index(row + 1, 0)).center().y()),
                  list.palette().color(QPalette::Highlight).rgb());
    }
}

TEST_F(TwoColumnList, eachLineReadsItsTextAndTickAndCanBeTickedByAScreenReader) {
    showAt(QSize(500, 200));
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&list);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->role(), QAccessible::List);
    ASSERT_EQ(view->childCount(), 60);
    model.item(3)->setCheckState(Qt::Checked);

    QAccessibleInterface* line = view->child(3);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(QAccessible::Name), "Item3, 2");
    EXPECT_TRUE(line->state().checkable);
    EXPECT_TRUE(line->state().checked);
    EXPECT_EQ(view->indexOfChild(line), 3);
    EXPECT_EQ(line->parent(), view);

    QAccessibleActionInterface* actions = line->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    QSignalSpy toggled(&list, &CheckListBox::checkToggled);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(model.item(3)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(line->state().checked);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(model.item(3)->checkState(), Qt::Checked);
    EXPECT_EQ(toggled.count(), 2);

    // A line found by its place on the screen is the same line.
    EXPECT_EQ(view->childAt(line->rect().center().x(), line->rect().center().y()), line);
    model.removeRows(2, 58);
    EXPECT_EQ(view->childCount(), 2);
    EXPECT_FALSE(line->isValid());
}

namespace {

QPoint boxOf(const QRect& line) {
    return QPoint(line.left() + 8, line.center().y());
}

QPoint textOf(const QRect& line) {
    return QPoint(line.left() + 60, line.center().y());
}

} // namespace

TEST_F(TwoColumnList, aClickOnALinesBoxTicksThatLineAloneInEitherColumn) {
    showAt(QSize(500, 200));
    const int second = firstRowOfSecondColumn();
    ASSERT_GT(second, 0);
    for (const int row : {1, second, second + 2}) {
        QSignalSpy toggled(&list, &CheckListBox::checkToggled);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          boxOf(list.visualRect(model.index(row, 0))));
        for (int other = 0; other < model.rowCount(); ++other)
            EXPECT_EQ(model.item(other)->checkState(), other == row ? Qt::Checked : Qt::Unchecked)
                << "click on " << row << ", line " << other;
        ASSERT_EQ(toggled.count(), 1) << row;
        EXPECT_EQ(toggled.at(0).at(0).toInt(), row);

        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          boxOf(list.visualRect(model.index(row, 0))));
        EXPECT_EQ(model.item(row)->checkState(), Qt::Unchecked) << row;
        EXPECT_EQ(toggled.count(), 2) << row;
    }
}

TEST_F(TwoColumnList, aClickOnALinesTextSelectsItWithoutTicking) {
    showAt(QSize(500, 200));
    const int second = firstRowOfSecondColumn();
    QSignalSpy toggled(&list, &CheckListBox::checkToggled);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      textOf(list.visualRect(model.index(second + 1, 0))));
    EXPECT_EQ(list.currentIndex().row(), second + 1);
    EXPECT_TRUE(list.selectionModel()->isRowSelected(second + 1, {}));

    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      textOf(list.visualRect(model.index(2, 0))));
    EXPECT_EQ(list.currentIndex().row(), 2);
    EXPECT_TRUE(list.selectionModel()->isRowSelected(2, {}));
    EXPECT_TRUE(list.selectionModel()->isRowSelected(second + 1, {}));
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), 2);
    EXPECT_EQ(toggled.count(), 0);
    for (int row = 0; row < model.rowCount(); ++row)
        EXPECT_EQ(model.item(row)->checkState(), Qt::Unchecked) << row;
}

TEST_F(TwoColumnList, theColumnsSplitTheViewportInHalvesAtEverySize) {
    for (const QSize size : {QSize(500, 200), QSize(760, 330), QSize(380, 160)}) {
        showAt(size);
        const int half = list.viewport()->width() / 2;
        const int second = firstRowOfSecondColumn();
        ASSERT_GT(second, 0) << size.width();
        for (int row = 0; row < second; ++row)
            EXPECT_EQ(list.visualRect(model.index(row, 0)),
                      QRect(0, row * CheckListBox::LineHeight, half, CheckListBox::LineHeight))
                << size.width() << " line " << row;
        EXPECT_EQ(list.visualRect(model.index(second, 0)).topLeft(), QPoint(half, 0))
            << size.width();
        // The line under a point: both sides of the boundary between the columns.
        EXPECT_EQ(list.indexAt(QPoint(half - 2, 1)).row(), 0) << size.width();
        EXPECT_EQ(list.indexAt(QPoint(half + 1, 1)).row(), second) << size.width();
        EXPECT_EQ(list.indexAt(QPoint(half + 1, CheckListBox::LineHeight * 2 + 1)).row(),
                  second + 2)
            << size.width();
    }
}

TEST_F(TwoColumnList, eachLinesTextIsDrawnInsideItsOwnRectangleAtItsTabStops) {
    showAt(QSize(500, 200));
    const int second = firstRowOfSecondColumn();
    for (const int row : {3, second + 1}) {
        for (int other = 0; other < model.rowCount(); ++other)
            model.item(other)->setText(other == row ? QStringLiteral("Item\t2") : QString());
        QCoreApplication::processEvents();
        const QImage image = list.viewport()->grab().toImage();
        const QRgb background = list.palette().color(QPalette::Base).rgb();
        const QRect line = list.visualRect(model.index(row, 0));
        const int quantityAt = line.left() + 18 + 8 * list.averageCharWidth();
        int inside = 0;
        int quantity = 0;
        int outside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPoint at(x, y);
                const QModelIndex under = list.indexAt(at);
                // Every line draws its box; only text is counted here.
                if (image.pixel(at) == background ||
                    (under.isValid() && x < list.visualRect(under).left() + 17))
                    continue;
                if (!line.contains(at))
                    ++outside;
                else if (x >= quantityAt - 1)
                    ++quantity;
                else
                    ++inside;
            }
        }
        EXPECT_GT(inside, 20) << row;
        EXPECT_GT(quantity, 5) << row;
        EXPECT_EQ(outside, 0) << row;
    }
}

TEST_F(TwoColumnList, spaceTicksTheFocusedLineAndArrowsCrossTheColumns) {
    showAt(QSize(500, 200));
    const int second = firstRowOfSecondColumn();
    list.setCurrentIndex(model.index(2, 0));
    QTest::keyClick(&list, Qt::Key_Right);
    ASSERT_EQ(list.currentIndex().row(), second + 2);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(model.item(second + 2)->checkState(), Qt::Checked);
    QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(model.item(second + 2)->checkState(), Qt::Checked);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(model.item(second + 2)->checkState(), Qt::Unchecked);
    QTest::keyClick(&list, Qt::Key_Left);
    EXPECT_EQ(list.currentIndex().row(), 2);
    EXPECT_EQ(model.item(2)->checkState(), Qt::Unchecked);

    // A line of another model is not this list's to tick.
    QStandardItemModel elsewhere;
    elsewhere.appendRow(new QStandardItem(QStringLiteral("Other")));
    elsewhere.item(0)->setCheckState(Qt::Unchecked);
    QSignalSpy toggled(&list, &CheckListBox::checkToggled);
    list.toggleCheck(elsewhere.index(0, 0));
    EXPECT_EQ(elsewhere.item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(toggled.count(), 0);
}

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

#include "app/Main.h"
#include "app/ModalSeam.h"
#include "app/RenameCategory.h"
#include "app/RenameItem.h"
#include "controls/CheckListBox.h"
#include "controls/HeaderControl.h"
#include "controls/NotesMemo.h"
#include "controls/PageControl.h"
#include "controls/SpinEdit.h"
#include "model/ItemLine.h"
#include "model/TabStops.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int Dairy = 0;
constexpr int Fruits = 3;
constexpr int Cans = 5;

// The real main window, shown offscreen, with every dialog answered by the test.
class EditCommands : public testing::Test {
protected:
    void SetUp() override {
        ModalSeam::clear();
        window = std::make_unique<TfrmMain>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        EXPECT_FALSE(ModalSeam::hasPending()) << "an answered dialog was never asked";
        ModalSeam::clear();
    }

    model::CategoryList& list(int category) { return window->document().list(category); }
    const TfrmMain::CategoryPage& page(int category) { return window->page(category); }
    void showPage(int category) {
        window->pageControl()->setActivePage(
            category < 0 ? static_cast<QWidget*>(window->notes()->parentWidget())
                         : page(category).sheet);
    }
    void fill(int category, std::initializer_list<const char*> items) {
        for (const char* item : items)
            list(category).append(item);
    }
    // Selects the given lines in the document and focuses the last one given.
    void select(int category, const std::vector<std::size_t>& lines, long long focused) {
        list(category).selectOnly(lines);
        list(category).setFocused(focused);
    }
    QAction* entry(const char* name) {
        return window->popupMenu()->findChild<QAction*>(QString::fromLatin1(name));
    }
    bool modified() { return window->document().modified(); }
    int messagesAsked() {
        int count = 0;
        for (const ModalSeam::Request& r : ModalSeam::history())
            count += r.kind == ModalSeam::Request::Message;
        return count;
    }
    // Answers the next dialog by typing into its fields and closing it with the result.
    static void answerItemDialog(const QString& name, const QString& quantity, int result) {
        ModalSeam::push([=](const ModalSeam::Request& request) {
            auto* dialog = qobject_cast<TfrmRename*>(request.dialog);
            EXPECT_NE(dialog, nullptr);
            if (dialog) {
                dialog->nameField()->setText(name);
                if (!quantity.isNull())
                    dialog->quantityField()->setText(quantity);
            }
            return ModalSeam::Answer{result, {}};
        });
    }

    TempAppDir dir;
    std::unique_ptr<TfrmMain> window;
};

} // namespace

TEST_F(EditCommands, addBuildsTheLineFromTheNameAsTypedAndTheQuantity) {
    showPage(Dairy);
    page(Dairy).nameField->setText("  Milk ");
    page(Dairy).quantityField->setText("2");
    window->btnAddDairyClick();
    ASSERT_EQ(list(Dairy).count(), 2u);
    EXPECT_EQ(list(Dairy).text(1), "  Milk \t2");
    EXPECT_FALSE(list(Dairy).ticked(1));
    EXPECT_EQ(page(Dairy).nameField->text(), "");
    EXPECT_TRUE(page(Dairy).nameField->hasFocus());
    EXPECT_EQ(page(Dairy).quantityField->text(), "2");
    EXPECT_TRUE(modified());
    EXPECT_TRUE(window->findChild<QAction*>("MainMenuFileSave")->isEnabled());

    // The same item again gives a second equal line.
    page(Dairy).nameField->setText("  Milk ");
    window->btnAddDairyClick();
    EXPECT_EQ(list(Dairy).count(), 3u);
    EXPECT_EQ(list(Dairy).text(2), list(Dairy).text(1));
}

TEST_F(EditCommands, blankNamesAddNothingAndKeepTheirText) {
    for (const char* blank : {"", "   ", " \x01 "}) {
        page(Fruits).nameField->setText(QString::fromLatin1(blank));
        window->btnAddFruitsClick();
        EXPECT_EQ(list(Fruits).count(), 1u) << '"' << blank << '"';
        EXPECT_EQ(page(Fruits).nameField->text(), QString::fromLatin1(blank));
    }
    EXPECT_FALSE(modified());
}

TEST_F(EditCommands, namesThatWouldCorruptTheFileAreRefusedWithAMessage) {
    for (const char* bad : {"Milk // 2%", "Milk\tlarge"}) {
        ModalSeam::pushButton(QMessageBox::Ok);
        page(Dairy).nameField->setText(QString::fromLatin1(bad));
        window->btnAddDairyClick();
        EXPECT_EQ(list(Dairy).count(), 1u);
        EXPECT_EQ(page(Dairy).nameField->text(), QString::fromLatin1(bad));
    }
    ASSERT_EQ(messagesAsked(), 2);
    EXPECT_TRUE(ModalSeam::history().back().text.contains("\"//\" or a TAB"));
    EXPECT_FALSE(modified());
}

TEST_F(EditCommands, eachAddCommandUsesItsOwnPageWhicheverIsActive) {
    showPage(Dairy);
    page(Cans).nameField->setText("Beans");
    page(Cans).quantityField->setText("3");
    page(Dairy).nameField->setText("Cheese");
    window->btnAddCansClick();
    EXPECT_EQ(list(Cans).text(1), "Beans\t3");
    EXPECT_EQ(list(Dairy).count(), 1u);
    EXPECT_EQ(page(Dairy).nameField->text(), "Cheese");
}

TEST_F(EditCommands, enterAddsFromTheNameFieldAndNormalisesATypedQuantity) {
    showPage(Fruits);
    page(Fruits).nameField->setFocus();
    QTest::keyClicks(page(Fruits).nameField, "Apples");
    QTest::keyClick(page(Fruits).nameField, Qt::Key_Return);
    EXPECT_EQ(list(Fruits).text(1), "Apples\t1");

    page(Fruits).nameField->setText("Pears");
    QLineEdit* quantity = page(Fruits).quantityField->editor();
    quantity->setFocus();
    quantity->setText("250");
    QTest::keyClick(quantity, Qt::Key_Return);
    EXPECT_EQ(list(Fruits).text(2), "Pears\t100");
    EXPECT_EQ(page(Fruits).quantityField->text(), "100");
}

TEST_F(EditCommands, editRewritesOnlyTheFocusedLineAndKeepsItsTick) {
    showPage(Dairy);
    fill(Dairy, {"Milk\t2", "Eggs\t12", "Eggs\t12"});
    list(Dairy).setTicked(3, true);
    select(Dairy, {1, 2, 3}, 3);
    answerItemDialog("Duck eggs", "6", DialogFrame::ResultOk);
    window->checkListBoxDoubleClick();
    EXPECT_EQ(list(Dairy).text(1), "Milk\t2");
    EXPECT_EQ(list(Dairy).text(2), "Eggs\t12");
    EXPECT_EQ(list(Dairy).text(3), "Duck eggs\t6");
    EXPECT_TRUE(list(Dairy).ticked(3));
    EXPECT_TRUE(modified());
}

TEST_F(EditCommands, editFillsTheDialogAndOkWithoutChangesStillModifies) {
    showPage(Dairy);
    fill(Dairy, {"Butter\tsome"});
    select(Dairy, {1}, 1);
    ModalSeam::push([](const ModalSeam::Request& request) {
        auto* dialog = qobject_cast<TfrmRename*>(request.dialog);
        EXPECT_EQ(dialog->nameField()->text(), "Butter");
        EXPECT_EQ(dialog->quantityField()->text(), "some");
        return ModalSeam::Answer{DialogFrame::ResultOk, {}};
    });
    window->mnuPFoodRenameClick();
    EXPECT_EQ(list(Dairy).text(1), "Butter\tsome");
    EXPECT_TRUE(modified());
}

TEST_F(EditCommands, cancelledEditAndEditOfTheMarkerLineChangeNothing) {
    showPage(Dairy);
    fill(Dairy, {"Milk\t2"});
    select(Dairy, {1}, 1);
    answerItemDialog("Cream", "1", DialogFrame::ResultCancel);
    window->checkListBoxDoubleClick();
    EXPECT_EQ(list(Dairy).text(1), "Milk\t2");

    // The focused marker line is never edited, even with items selected beside it.
    select(Dairy, {0, 1}, 0);
    window->checkListBoxDoubleClick();
    list(Dairy).selectOnly({});
    list(Dairy).setFocused(1);
    window->checkListBoxDoubleClick();
    showPage(-1);
    window->checkListBoxDoubleClick();
    EXPECT_EQ(ModalSeam::history().size(), 1u);
    EXPECT_FALSE(modified());
}

TEST_F(EditCommands, aRefusedNameInTheItemDialogOpensItAgainWithTheTypedText) {
    showPage(Dairy);
    fill(Dairy, {"Milk\t2"});
    select(Dairy, {1}, 1);
    answerItemDialog("Milk // skim", "2", DialogFrame::ResultOk);
    ModalSeam::pushButton(QMessageBox::Ok);
    ModalSeam::push([](const ModalSeam::Request& request) {
        EXPECT_EQ(qobject_cast<TfrmRename*>(request.dialog)->nameField()->text(), "Milk // skim");
        return ModalSeam::Answer{DialogFrame::ResultCancel, {}};
    });
    window->checkListBoxDoubleClick();
    EXPECT_EQ(list(Dairy).text(1), "Milk\t2");
    EXPECT_FALSE(modified());
}

TEST_F(EditCommands, popupRuleAndDeleteKeyNeverTouchTheMarkerLine) {
    showPage(Dairy);
    fill(Dairy, {"Milk\t2", "Eggs\t12", "Bread\t1"});
    select(Dairy, {0, 2}, 2);
    page(Dairy).list->setFocus();
    QTest::keyClick(page(Dairy).list, Qt::Key_Delete);
    EXPECT_EQ(list(Dairy).count(), 4u);
    EXPECT_FALSE(entry("mnuPFoodDelete")->isEnabled());
    EXPECT_FALSE(entry("mnuPFoodRename")->isEnabled());

    select(Dairy, {1, 3}, 3);
    QTest::keyClick(page(Dairy).list, Qt::Key_Delete);
    ASSERT_EQ(list(Dairy).count(), 2u);
    EXPECT_EQ(list(Dairy).text(1), "Eggs\t12");
    EXPECT_TRUE(modified());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(page(Dairy).list->updatesEnabled());
}

TEST_F(EditCommands, deleteKeyInTextFieldsEditsTextOnly) {
    showPage(Dairy);
    fill(Dairy, {"Milk\t2"});
    select(Dairy, {1}, 1);
    QLineEdit* name = page(Dairy).nameField;
    name->setText("Cheese");
    name->setFocus();
    name->setCursorPosition(0);
    QTest::keyClick(name, Qt::Key_Delete);
    EXPECT_EQ(name->text(), "heese");
    EXPECT_EQ(list(Dairy).count(), 2u);
    EXPECT_FALSE(modified());
}

TEST_F(EditCommands, popupRuleOnTheNotesPageKeepsTheLastState) {
    showPage(Dairy);
    select(Dairy, {0}, 0);
    window->mnuPFoodPopup();
    EXPECT_FALSE(entry("mnuPFoodDelete")->isEnabled());
    showPage(-1);
    window->mnuPFoodPopup();
    EXPECT_FALSE(entry("mnuPFoodDelete")->isEnabled());
    EXPECT_TRUE(entry("mnuPFoodCheckAllForList")->isEnabled());

    // Delete chosen on the Notes page acts on no list.
    fill(Dairy, {"Milk\t2"});
    select(Dairy, {1}, 1);
    window->mnuPFoodDeleteClick();
    EXPECT_EQ(list(Dairy).count(), 2u);
}

TEST_F(EditCommands, tickCommandsIncludeTheMarkerAndNeverModify) {
    fill(Dairy, {"Milk\t2"});
    fill(Cans, {"Beans\t3"});
    showPage(-1);
    window->mnuPFoodCheckAllForCategoryClick();
    EXPECT_FALSE(list(Dairy).ticked(0));

    window->mnuPFoodCheckAllForListClick();
    for (int c = 0; c < model::CategoryCount; ++c)
        for (std::size_t i = 0; i < list(c).count(); ++i)
            EXPECT_TRUE(list(c).ticked(i)) << c << ':' << i;

    showPage(Cans);
    window->mnuPFoodUncheckAllForCategoryClick();
    EXPECT_FALSE(list(Cans).ticked(0));
    EXPECT_FALSE(list(Cans).ticked(1));
    EXPECT_TRUE(list(Dairy).ticked(1));
    window->mnuPFoodUncheckAllForListClick();
    EXPECT_FALSE(list(Dairy).ticked(0));
    EXPECT_FALSE(modified());
}

TEST_F(EditCommands, renameCategorySetsCaptionAndMarkerExactlyAsTyped) {
    showPage(Cans);
    list(Cans).setTicked(0, true);
    for (const QString& typed : {QString("Tins // jars "), QString()}) {
        ModalSeam::push([typed](const ModalSeam::Request& request) {
            auto* dialog = qobject_cast<TfrmRenameCategory*>(request.dialog);
            EXPECT_EQ(dialog->windowTitle(), "Rename Catetory");
            dialog->nameField()->setText(typed);
            return ModalSeam::Answer{DialogFrame::ResultOk, {}};
        });
        window->mnuPFoodRenameCategoryClick();
        EXPECT_EQ(page(Cans).sheet->caption(), typed);
        EXPECT_EQ(list(Cans).text(0), "//" + typed.toStdString());
    }
    EXPECT_TRUE(list(Cans).ticked(0));
    EXPECT_TRUE(modified());
    EXPECT_EQ(model::categoryName("//Tins // jars "), "Tins  jars");
}

TEST_F(EditCommands, cancelledRenameChangesNothing) {
    showPage(Fruits);
    const QString caption = page(Fruits).sheet->caption();
    ModalSeam::push([](const ModalSeam::Request& request) {
        EXPECT_EQ(qobject_cast<TfrmRenameCategory*>(request.dialog)->nameField()->text(), "Fruits");
        qobject_cast<TfrmRenameCategory*>(request.dialog)->nameField()->setText("Berries");
        return ModalSeam::Answer{DialogFrame::ResultCancel, {}};
    });
    window->mnuPFoodRenameCategoryClick();
    EXPECT_EQ(page(Fruits).sheet->caption(), caption);
    EXPECT_FALSE(modified());
}

TEST_F(EditCommands, headerResizeRecomputesThatPagesStopsOnly) {
    const std::vector<int> fruitsBefore = page(Fruits).list->tabStops();
    const std::vector<int> dairyBefore = page(Dairy).list->tabStops();
    page(Fruits).header->resizeSection(0, 200);
    EXPECT_EQ(page(Fruits).list->tabStops(),
              model::recomputeTabStops(fruitsBefore, page(Fruits).header->sectionWidths(),
                                       page(Fruits).list->averageCharWidth()));
    EXPECT_NE(page(Fruits).list->tabStops(), fruitsBefore);
    EXPECT_EQ(page(Dairy).list->tabStops(), dairyBefore);
    EXPECT_FALSE(modified());
}

TEST_F(EditCommands, popupMenuHoldsItsNineEntriesInOrder) {
    QStringList entries;
    for (QAction* a : window->popupMenu()->actions())
        entries << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + " " + a->text());
    EXPECT_EQ(entries,
              QStringList({"mnuPFoodCheckAllForCategory Check all items for this category",
                           "mnuPFoodUncheckAllForCategory Uncheck all items for this category", "-",
                           "mnuPFoodCheckAllForList Check all items for this list",
                           "mnuPFoodUncheckAllForList Uncheck all items for this list", "-",
                           "mnuPFoodRename Rename item | Modify Quantity",
                           "mnuPFoodRenameCategory Rename Category", "mnuPFoodDelete Delete"}));
    EXPECT_EQ(entry("mnuPFoodDelete")->shortcut(), QKeySequence(Qt::Key_Delete));
}

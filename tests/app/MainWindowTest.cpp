#include "app/GlobalData.h"
#include "app/Main.h"
#include "controls/BalloonHints.h"
#include "controls/CheckListBox.h"
#include "controls/HeaderControl.h"
#include "controls/NotesMemo.h"
#include "controls/PageControl.h"
#include "controls/SpinEdit.h"
#include "tests/support/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class MainWindow : public testing::Test {
protected:
    void SetUp() override {
        GlobalData::gBalloonHints = true;
        window = std::make_unique<TfrmMain>();
    }
    template <class T> T* child(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QStringList entries(const char* menuName) {
        QStringList out;
        for (QAction* a : child<QMenu>(menuName)->actions())
            out << (a->isSeparator() ? a->objectName() + " -" : a->objectName() + " " + a->text());
        return out;
    }

    TempAppDir dir;
    std::unique_ptr<TfrmMain> window;
};

} // namespace

TEST_F(MainWindow, hasItsCaptionNameAndDesignedPlacementKeptOnTheScreen) {
    EXPECT_EQ(window->objectName(), "frmMain");
    EXPECT_EQ(window->windowTitle(), "Provendo V1.1");
    // With nothing stored the designed place is kept, moved in where it overhangs.
    const QSize screen = window->screen()->size();
    EXPECT_EQ(window->pos(),
              QPoint(std::max(0, std::min(217, screen.width() - window->width())),
                     std::max(0, std::min(145, screen.height() - window->height()))));
}

TEST_F(MainWindow, menusHoldTheirEntriesInOrder) {
    EXPECT_EQ(entries("MainMenuFile"),
              QStringList({"MainMenuFileNew &New", "MainMenuFileOpen &Open...",
                           "MainMenuFileClose &Close", "MainMenuFileSave &Save",
                           "MainMenuFileSaveAs Save &As...", "N2 -", "MainMenuFilePrint &Print...",
                           "MainMenuFilePrintSetup P&rint Setup...", "N1 -", "Exit1 E&xit"}));
    EXPECT_EQ(entries("MainMenuTools"),
              QStringList({"MainMenuToolsSendEmail Email shopping list", "N5 -",
                           "MainMenuToolsBalloons Balloon Hints"}));
    EXPECT_EQ(entries("Help1"),
              QStringList({"Contents1 &Contents", "SearchforHelpOn1 &Search for Help On...",
                           "HowtoUseHelp1 &How to Use Help", "MainMenuHelpHomePage &Home Page",
                           "About1 &About..."}));
    QStringList titles;
    for (QAction* a : window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Tools", "&Help"}));
}

TEST_F(MainWindow, startStatesOfMenuEntriesAndButtons) {
    EXPECT_FALSE(child<QAction>("MainMenuFileSave")->isEnabled());
    EXPECT_FALSE(child<QAction>("MainMenuFileSaveAs")->isEnabled());
    EXPECT_FALSE(child<QToolButton>("BtnSave")->isEnabled());
    EXPECT_FALSE(child<QAction>("SearchforHelpOn1")->isVisible());
    EXPECT_FALSE(child<QAction>("HowtoUseHelp1")->isVisible());
    EXPECT_TRUE(child<QAction>("MainMenuToolsBalloons")->isChecked());
    for (const char* name : {"BtnNew", "BtnOpen", "BtnClose", "BtnPrint", "BtnSendEMail"})
        EXPECT_TRUE(child<QToolButton>(name)->isEnabled()) << name;
}

TEST_F(MainWindow, toolButtonsHaveTheirHintsInOrder) {
    const std::pair<const char*, const char*> buttons[] = {
        {"BtnNew", "Create new shopping list"}, {"BtnOpen", "Open a shopping list"},
        {"BtnClose", "Close current list"},     {"BtnSave", "Save Shopping List"},
        {"BtnPrint", "Print Current List"},     {"BtnSendEMail", "EMail Shopping List"}};
    int lastX = -1;
    window->show();
    for (const auto& [name, hint] : buttons) {
        auto* b = child<QToolButton>(name);
        EXPECT_EQ(b->toolTip(), hint);
        EXPECT_EQ(b->size(), QSize(25, 25));
        EXPECT_GT(b->x(), lastX);
        lastX = b->x();
    }
}

TEST_F(MainWindow, modifiedFlagDrivesBothSaveControls) {
    window->setModified();
    EXPECT_TRUE(child<QAction>("MainMenuFileSave")->isEnabled());
    EXPECT_TRUE(child<QToolButton>("BtnSave")->isEnabled());
    window->clearModified();
    EXPECT_FALSE(child<QAction>("MainMenuFileSave")->isEnabled());
    EXPECT_FALSE(child<QToolButton>("BtnSave")->isEnabled());
}

TEST_F(MainWindow, elevenPagesInCategoryOrderWithTheirComponents) {
    const char* pages[] = {"tsDairy",  "tsMeat", "tsVegetables", "tsFruits",
                           "tsGrains", "tsCans", "tsDrinks",     "tsFreezer",
                           "tsBaby",   "tsMisc", "tsNotes"};
    const char* captions[] = {"Dairy",  "Meat",    "Vegetables", "Fruits", "Grains", "Cans",
                              "Drinks", "Freezer", "Baby",       "Misc",   "Notes"};
    controls::PageControl* pc = child<controls::PageControl>("pcFoodMain");
    ASSERT_EQ(pc->count(), 11);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(pc->widget(i)->objectName(), pages[i]);
        EXPECT_EQ(pc->tabText(i), captions[i]);
    }
    EXPECT_EQ(pc->currentIndex(), 0);
    for (const char* name :
         {"clbVeggies", "edtAddVeggies", "spinVeggiesQuantity", "btnAddVeggies", "hdrVeggies",
          "tnAddMisc", "mmoNotes", "Label1", "spFile", "StatusBar1", "tbMain", "MainMenu"})
        EXPECT_NE(window->findChild<QObject*>(name), nullptr) << name;
    EXPECT_EQ(child<QPushButton>("btnAddMeat")->text(), "Add to list");
    EXPECT_EQ(child<QLabel>("Label1")->text(),
              "Add extra notes to list here: (Ex: \"Don't forget to gas up the car !)");
}

TEST_F(MainWindow, eachListShowsItsMarkerLineAndDesignedStops) {
    for (int i = 0; i < 10; ++i) {
        const TfrmMain::CategoryPage& p = window->page(i);
        ASSERT_EQ(p.list->model()->rowCount(), 1);
        EXPECT_EQ(p.list->model()->index(0, 0).data().toString().left(2), "//");
        const std::vector<int> designed =
            i == 0 ? std::vector<int>{8} : std::vector<int>{8, 16, 24, -32};
        EXPECT_EQ(p.list->tabStops(), designed);
        EXPECT_EQ(p.header->section(0).text, "Item");
        EXPECT_EQ(p.header->section(0).width, 300);
        EXPECT_EQ(p.header->section(1).text, "Quantity");
        EXPECT_EQ(p.header->section(1).width, 100);
    }
    EXPECT_EQ(window->page(0).list->columns(), 2);
    EXPECT_EQ(window->page(1).list->columns(), 1);
}

TEST_F(MainWindow, headerDrivenTabStopsUseTheListsAverageWidth) {
    const TfrmMain::CategoryPage& p = window->page(1);
    const int a = p.list->averageCharWidth();
    window->UpdateFromHeader(1);
    EXPECT_EQ(p.list->tabStops(), (std::vector<int>{300 / a + 1, 400 / a + 1, 24, -32}));
}

TEST_F(MainWindow, listViewFollowsTheDocumentAndTicksDoNotModify) {
    model::CategoryList& meat = window->document().list(1);
    meat.append("Ham\t2");
    QAbstractItemModel* m = window->page(1).list->model();
    ASSERT_EQ(m->rowCount(), 2);
    EXPECT_EQ(m->index(1, 0).data().toString(), "Ham\t2");
    m->setData(m->index(1, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_TRUE(meat.ticked(1));
    EXPECT_FALSE(window->document().modified());
}

TEST_F(MainWindow, viewSelectionIsTheDocumentsSelection) {
    model::CategoryList& fruits = window->document().list(3);
    fruits.append("Apple\t1");
    fruits.append("Pear\t1");
    controls::CheckListBox* view = window->page(3).list;
    view->selectionModel()->select(view->model()->index(2, 0), QItemSelectionModel::Select);
    view->selectionModel()->setCurrentIndex(view->model()->index(2, 0),
                                            QItemSelectionModel::NoUpdate);
    EXPECT_TRUE(fruits.selected(2));
    EXPECT_EQ(fruits.focused(), 2);
    fruits.setSelected(1, true);
    EXPECT_TRUE(view->selectionModel()->isRowSelected(1, {}));
}

TEST_F(MainWindow, activeCategoryIsNoneOnTheNotesPage) {
    window->pageControl()->setCurrentIndex(4);
    EXPECT_EQ(window->activeCategory(), 4);
    window->pageControl()->setCurrentIndex(10);
    EXPECT_EQ(window->activeCategory(), -1);
}

TEST_F(MainWindow, notesEditsReachTheDocumentWithoutModifying) {
    window->notes()->setPlainText(QStringLiteral("gas\nmilk"));
    EXPECT_EQ(window->document().notes(), "gas\r\nmilk");
    EXPECT_FALSE(window->document().modified());
}

TEST_F(MainWindow, balloonHintsEntryTogglesFlagAndStyle) {
    QAction* entry = child<QAction>("MainMenuToolsBalloons");
    entry->trigger();
    EXPECT_FALSE(entry->isChecked());
    EXPECT_FALSE(GlobalData::gBalloonHints);
    EXPECT_FALSE(window->balloonHints()->showBalloon());
    entry->trigger();
    EXPECT_TRUE(GlobalData::gBalloonHints);
    EXPECT_TRUE(window->balloonHints()->showBalloon());
}

TEST_F(MainWindow, hintsShowAsBalloonsOrRectanglesAlike) {
    window->show();
    auto* button = child<QToolButton>("BtnOpen");
    for (bool balloon : {true, false}) {
        window->balloonHints()->setShowBalloon(balloon);
        window->balloonHints()->showHint(button, button->mapToGlobal(QPoint(5, 5)));
        QWidget* hint = window->balloonHints()->visibleHint();
        ASSERT_NE(hint, nullptr);
        EXPECT_EQ(hint->accessibleName(), "Open a shopping list");
        window->balloonHints()->hideHint();
        EXPECT_EQ(window->balloonHints()->visibleHint(), nullptr);
    }
}

TEST_F(MainWindow, exitClosesTheWindow) {
    window->show();
    ASSERT_TRUE(window->isVisible());
    child<QAction>("Exit1")->trigger();
    EXPECT_FALSE(window->isVisible());
}

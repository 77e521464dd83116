#pragma once

#include "model/Categories.h"

#include <array>

class CategoryListModel;
class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;

namespace controls {
class BalloonHints;
class CheckListBox;
class HeaderControl;
class NotesMemo;
class PageControl;
class SpinEdit;
class TabSheet;
} // namespace controls

namespace model {
class Document;
}

// The main window's widgets as designed: menus, tool bar, the ten category pages and the
// Notes page, the status bar and the page area's pop-up menu. Component object names are
// the names the settings store finds properties by, so they are spelled exactly as given.
// Building connects nothing to the window's handlers; the window wires its commands.
class MainWindowUi {
public:
    // The widgets of one category page, in the order of the category table.
    struct CategoryPage {
        controls::TabSheet* sheet = nullptr;
        QLineEdit* nameField = nullptr;
        controls::SpinEdit* quantityField = nullptr;
        QPushButton* addButton = nullptr;
        controls::HeaderControl* header = nullptr;
        controls::CheckListBox* list = nullptr;
        CategoryListModel* adapter = nullptr;
    };

    // Builds into window; each category list shows its list of the document, and the
    // window filters the keys of the page fields (Enter adds, Delete deletes).
    void build(QMainWindow& window, model::Document& document);

    std::array<CategoryPage, model::CategoryCount> pages;

    // Menus and tool bar.
    QToolBar* tbMain = nullptr;
    QToolButton* BtnNew = nullptr;
    QToolButton* BtnOpen = nullptr;
    QToolButton* BtnClose = nullptr;
    QToolButton* BtnSave = nullptr;
    QToolButton* BtnPrint = nullptr;
    QToolButton* BtnSendEMail = nullptr;
    QAction* MainMenuFileNew = nullptr;
    QAction* MainMenuFileOpen = nullptr;
    QAction* MainMenuFileClose = nullptr;
    QAction* MainMenuFileSave = nullptr;
    QAction* MainMenuFileSaveAs = nullptr;
    QAction* MainMenuFilePrint = nullptr;
    QAction* MainMenuFilePrintSetup = nullptr;
    QAction* Exit1 = nullptr;
    QAction* MainMenuToolsSendEmail = nullptr;
    QAction* MainMenuToolsBalloons = nullptr;
    QAction* Contents1 = nullptr;
    QAction* MainMenuHelpHomePage = nullptr;
    QAction* About1 = nullptr;

    // Pages, status pane and hints.
    controls::PageControl* pcFoodMain = nullptr;
    controls::TabSheet* tsNotes = nullptr;
    controls::NotesMemo* mmoNotes = nullptr;
    QLabel* spFile = nullptr;
    controls::BalloonHints* BalloonHints_ = nullptr;

    // The pop-up menu of the page area.
    QMenu* mnuPFood = nullptr;
    QAction* mnuPFoodCheckAllForCategory = nullptr;
    QAction* mnuPFoodUncheckAllForCategory = nullptr;
    QAction* mnuPFoodCheckAllForList = nullptr;
    QAction* mnuPFoodUncheckAllForList = nullptr;
    QAction* mnuPFoodRename = nullptr;
    QAction* mnuPFoodRenameCategory = nullptr;
    QAction* mnuPFoodDelete = nullptr;

private:
    void buildMenus(QMainWindow& window);
    void buildToolBar(QMainWindow& window);
    void buildPages(QMainWindow& window, model::Document& document);
    CategoryPage buildCategoryPage(int category, QMainWindow& window, model::Document& document);
    void buildPageFields(CategoryPage& page, int category);
    void buildPageList(CategoryPage& page, int category, model::Document& document);
    void buildNotesPage();
    void buildStatusBar(QMainWindow& window);
    void buildPopupMenu();
};

#pragma once

#include "files/ListFile.h"
#include "model/Document.h"

#include <QMainWindow>
#include <array>

class QAction;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;
class CategoryListModel;
class TPAppSettings;
class TPFormSettings;

namespace controls {
class BalloonHints;
class CheckListBox;
class HeaderControl;
class NotesMemo;
class PageControl;
class SpinEdit;
class TabSheet;
} // namespace controls

namespace share {
class MailCommand;
class PrintCommands;
} // namespace share

// The main window: ten category pages and the Notes page, the menus, the tool bar and
// the status bar. Component object names are the names the settings store finds
// properties by, so they are spelled exactly as given.
class TfrmMain : public QMainWindow {
    Q_OBJECT
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

    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    model::Document& document() { return document_; }
    const CategoryPage& page(int category) const;
    controls::PageControl* pageControl() const { return pcFoodMain; }
    controls::NotesMemo* notes() const { return mmoNotes; }
    controls::BalloonHints* balloonHints() const { return BalloonHints_; }

    // The category on the active page, or -1 on the Notes page.
    int activeCategory() const;
    // Sets or clears the modified flag; the Save entry and button follow it.
    void setModified();
    void clearModified();
    // Recomputes one list's tab stops from its page's header.
    void UpdateFromHeader(int category);

    // Start and end of the window's life.
    void FormCreate();
    void FormHide();
    void FormCloseQuery(bool& canClose);

    // Commands of the window.
    void Exit1Click();
    void MainMenuToolsBalloonsClick();

    // Editing commands: one add command bound to the ten pages, the item and category
    // dialogs, delete, the tick commands and the pop-up menu's rule.
    void addItemClick(int category);
    void btnAddDairyClick() { addItemClick(0); }
    void btnAddMeatClick() { addItemClick(1); }
    void btnAddVeggiesClick() { addItemClick(2); }
    void btnAddFruitsClick() { addItemClick(3); }
    void btnAddGrainsClick() { addItemClick(4); }
    void btnAddCansClick() { addItemClick(5); }
    void btnAddDrinksClick() { addItemClick(6); }
    void btnAddFreezerClick() { addItemClick(7); }
    void btnAddBabyClick() { addItemClick(8); }
    void tnAddMiscClick() { addItemClick(9); }
    // A column of a page's header was resized: that list's tab stops follow.
    void hdrDairySectionResize() { UpdateFromHeader(0); }
    void hdrMeatSectionResize() { UpdateFromHeader(1); }
    void hdrVeggiesSectionResize() { UpdateFromHeader(2); }
    void hdrFruitsSectionResize() { UpdateFromHeader(3); }
    void hdrGrainsSectionResize() { UpdateFromHeader(4); }
    void hdrCansSectionResize() { UpdateFromHeader(5); }
    void hdrDrinksSectionResize() { UpdateFromHeader(6); }
    void hdrFreezerSectionResize() { UpdateFromHeader(7); }
    void hdrBabySectionResize() { UpdateFromHeader(8); }
    void hdrMiscSectionResize() { UpdateFromHeader(9); }
    void checkListBoxDoubleClick();
    void mnuPFoodRenameClick();
    void mnuPFoodDeleteClick();
    void mnuPFoodCheckAllForCategoryClick();
    void mnuPFoodUncheckAllForCategoryClick();
    void mnuPFoodCheckAllForListClick();
    void mnuPFoodUncheckAllForListClick();
    void mnuPFoodRenameCategoryClick();
    void mnuPFoodPopup();
    QMenu* popupMenu() const { return mnuPFood; }

    // File commands and the category names file (app/MainFile.cpp).
    void MainMenuFileNewClick();
    void MainMenuFileOpenClick();
    void MainMenuFileSaveClick();
    void MainMenuFileSaveAsClick();
    void MainMenuFileCloseClick();
    // The list named on the command line, opened as File > Open opens the chosen file; an
    // error is shown in the error box and the window keeps what it started with.
    void openListFileAtStart(const QString& path);
    void SaveCategoryNames();
    void LoadCategoryNames();
    // Gives the k-th group of a list file to the k-th page: its caption from the group's
    // first line, its list the group's lines. The Notes page takes only a caption; pages
    // beyond the groups stay as they are.
    void LoadListGroups(const files::ListGroups& groups);

    // Help menu commands (app/MainHelp.cpp); wireHelpCommands connects them.
    void wireHelpCommands();
    void Contents1Click();
    void MainMenuHelpHomePageClick();
    void About1Click();

    // Printing (app/MainPrint.cpp).
    void FillReportTables();
    void MainMenuFilePrintClick();
    void MainMenuFilePrintSetupClick();
    share::PrintCommands& printCommands() const { return *print_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireFileCommands();
    QFileDialog* openDialog();
    QFileDialog* saveDialog();
    // Open's steps after the dialog: read, rebuild the pages, show the path.
    void openListFile(const QString& path);
    // The "Save changes" question of New, Open and Close; Yes saves.
    void offerToSave();
    void deleteItemLines();
    void saveListTo(const QString& chosen);
    void forgetFile();
    void wireEditCommands();
    void buildPopupMenu();
    // Refuses, with a message, an item name that would not survive saving and opening.
    bool acceptItemName(const QString& name);
    void setCategoryTicks(int category, bool ticked);

    void buildMenus();
    void buildToolBar();
    void buildPages();
    CategoryPage buildCategoryPage(int category);
    void buildNotesPage();

    model::Document document_;
    std::array<CategoryPage, model::CategoryCount> pages_;

    // Components, named as the settings store finds them.
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
    controls::PageControl* pcFoodMain = nullptr;
    controls::TabSheet* tsNotes = nullptr;
    controls::NotesMemo* mmoNotes = nullptr;
    QLabel* spFile = nullptr;
    controls::BalloonHints* BalloonHints_ = nullptr;

    // Made on first use and kept, so that each remembers its folder.
    QFileDialog* dlgOpen = nullptr;
    QFileDialog* dlgSave = nullptr;

    // The pop-up menu of the page area.
    QMenu* mnuPFood = nullptr;
    QAction* mnuPFoodCheckAllForCategory = nullptr;
    QAction* mnuPFoodUncheckAllForCategory = nullptr;
    QAction* mnuPFoodCheckAllForList = nullptr;
    QAction* mnuPFoodUncheckAllForList = nullptr;
    QAction* mnuPFoodRename = nullptr;
    QAction* mnuPFoodRenameCategory = nullptr;
    QAction* mnuPFoodDelete = nullptr;

    // E-mail (MainMail.cpp): the command and the mail component "mapiSendMessage".
public:
    void MainMenuToolsSendEmailClick();

private:
    void wireMailCommands();
    share::MailCommand* mail_ = nullptr;

    // Printing (app/MainPrint.cpp): the report tables, the report and the setup printer.
    void wirePrintCommands();
    share::PrintCommands* print_ = nullptr;

    // ---- Persisted settings of the window (MainSettings.cpp) ----
public:
    TPFormSettings* formSettings() const { return FormSettings; }
    TPAppSettings* appSettings() const { return AppSettings; }
    // Sets the balloon-hint flag and the lists folder from the application settings.
    void AppSettingsPostRestore();

private:
    // Builds both containers and restores them, before FormCreate.
    void createSettings();
    // The hide step: the balloon-hint flag into its setting.
    void storeBalloonHintsSetting();
    // Hide, then the window's save, then the application values.
    void endSettings();
    TPFormSettings* FormSettings = nullptr;
    TPAppSettings* AppSettings = nullptr;
};

#pragma once

#include "app/MainWindowSettings.h"
#include "app/MainWindowUi.h"
#include "files/ListFile.h"
#include "model/Document.h"

#include <QMainWindow>
#include <memory>

class FileCommandsDialogs;

namespace files {
class FileCommands;
}

namespace share {
class MailCommand;
class PrintCommands;
} // namespace share

// The main window: ten category pages and the Notes page, the menus, the tool bar and
// the status bar. It owns the document and forwards each command to where its work is
// done: the file commands in files/, printing and e-mail beside the report and share code.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    using CategoryPage = MainWindowUi::CategoryPage;

    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // What the window holds.
    model::Document& document() { return document_; }
    const CategoryPage& page(int category) const;
    controls::PageControl* pageControl() const { return ui_.pcFoodMain; }
    controls::NotesMemo* notes() const { return ui_.mmoNotes; }
    controls::BalloonHints* balloonHints() const { return ui_.BalloonHints_; }
    QMenu* popupMenu() const { return ui_.mnuPFood; }
    TPFormSettings* formSettings() const { return settings_.form(); }
    TPAppSettings* appSettings() const { return settings_.app(); }
    share::PrintCommands& printCommands() const { return *print_; }

    // The category on the active page, or -1 on the Notes page.
    int activeCategory() const;
    // Sets or clears the modified flag; the Save entry and button follow it.
    void setModified();
    void clearModified();
    // Recomputes one list's tab stops from its page's header.
    void UpdateFromHeader(int category);

    // Start and end of the window's life, with the settings steps.
    void FormCreate();
    void FormHide();
    void FormCloseQuery(bool& canClose);
    // Sets the balloon-hint flag and the lists folder from the application settings.
    void AppSettingsPostRestore();

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

    // File commands (files::FileCommands) and the category names file.
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

    // Printing and e-mail (share::PrintCommands, share::MailCommand).
    void FillReportTables();
    void MainMenuFilePrintClick();
    void MainMenuFilePrintSetupClick();
    void MainMenuToolsSendEmailClick();

    // Help menu commands.
    void Contents1Click();
    void MainMenuHelpHomePageClick();
    void About1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Connecting the widgets to the handlers, one concern each.
    void wireWindowCommands();
    void wireEditCommands();
    void wirePopupMenu();
    void wireFileCommands();
    void wirePrintCommands();
    void wireMailCommands();
    void wireHelpCommands();

    // Editing helpers.
    // Refuses, with a message, an item name that would not survive saving and opening.
    bool acceptItemName(const QString& name);
    void setCategoryTicks(int category, bool ticked);

    // The document, the widgets showing it, and the settings keeping the window's view.
    model::Document document_;
    MainWindowUi ui_;
    MainWindowSettings settings_{*this};

    // Where the commands do their work.
    std::unique_ptr<FileCommandsDialogs> fileDialogs_;
    std::unique_ptr<files::FileCommands> fileCommands_;
    share::PrintCommands* print_ = nullptr;
    share::MailCommand* mail_ = nullptr;
};

#pragma once

#include "model/Document.h"

#include <QMainWindow>
#include <array>

class QAction;
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
    void updateTabStopsFromHeader(int category);

    // Start and end of the window's life.
    void FormCreate();
    void FormHide();
    void FormCloseQuery(bool& canClose);

    // Commands of the window.
    void Exit1Click();
    void MainMenuToolsBalloonsClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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

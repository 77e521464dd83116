#include "app/Main.h"

#include "app/ErrorBox.h"
#include "app/FileCommandsDialogs.h"
#include "app/GlobalData.h"
#include "app/HelpAbout.h"
#include "app/HelpViewer.h"
#include "app/Maker.h"
#include "app/ModalSeam.h"
#include "app/RenameCategory.h"
#include "app/RenameItem.h"
#include "controls/BalloonHints.h"
#include "controls/CheckListBox.h"
#include "controls/HeaderControl.h"
#include "controls/NotesMemo.h"
#include "controls/PageControl.h"
#include "controls/SpinEdit.h"
#include "files/CategoryNames.h"
#include "files/FileCommands.h"
#include "model/ItemLine.h"
#include "model/TabStops.h"
#include "platform/AppPaths.h"
#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"
#include "platform/ShellOpen.h"
#include "platform/TextCodec.h"
#include "share/MailCommand.h"
#include "share/PrintCommands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    ui_.build(*this, document_);
    document_.onModifiedChanged([this](bool modified) {
        ui_.MainMenuFileSave->setEnabled(modified);
        ui_.BtnSave->setEnabled(modified);
    });

    wireWindowCommands();
    wireEditCommands();
    wireFileCommands();
    wirePrintCommands();
    wireMailCommands();
    wireHelpCommands();

    // Designed placement; the settings store restores the last one.
    move(217, 145);
    resize(709, 567);
    // Settings store: the containers restore the last state before FormCreate.
    settings_.create([this] { AppSettingsPostRestore(); });

    try {
        FormCreate();
    } catch (...) {
        ErrorBox::showCurrent(this);
    }
}

TfrmMain::~TfrmMain() {
    // Settings store: FormHide, the window's values, then the application values.
    settings_.end();
    for (CategoryPage& p : ui_.pages)
        p.list->setModel(nullptr);
}

const TfrmMain::CategoryPage& TfrmMain::page(int category) const {
    return ui_.pages.at(static_cast<std::size_t>(category));
}

int TfrmMain::activeCategory() const {
    const int index = ui_.pcFoodMain->currentIndex();
    return index >= 0 && index < model::CategoryCount ? index : -1;
}

void TfrmMain::setModified() {
    document_.setModified();
}

void TfrmMain::clearModified() {
    document_.clearModified();
}

void TfrmMain::UpdateFromHeader(int category) {
    const CategoryPage& p = page(category);
    p.list->setTabStops(model::recomputeTabStops(p.list->tabStops(), p.header->sectionWidths(),
                                                 p.list->averageCharWidth()));
}

// ---- Start and end of the window's life

void TfrmMain::FormCreate() {
    // Settings step: the stored values again, then the balloon style from the flag.
    AppSettingsPostRestore();
    ui_.BalloonHints_->setShowBalloon(GlobalData::gBalloonHints);
    LoadCategoryNames();
}

void TfrmMain::FormHide() {
    // Settings step: the flag is written with the application values at the end.
    settings_.storeBalloonHints();
    SaveCategoryNames();
}

void TfrmMain::FormCloseQuery(bool& canClose) {
    fileCommands_->closeQuery(canClose);
}

void TfrmMain::AppSettingsPostRestore() {
    settings_.readProgramValues();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // Refused until the query allows it, so that an error inside it keeps the window open.
    event->ignore();
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        event->accept();
}

void TfrmMain::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int category = activeCategory();
        if (category >= 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            page(category).addButton->click();
            return true;
        }
        // The Delete key is the pop-up menu's shortcut only inside a category list.
        if (category >= 0 && key == Qt::Key_Delete && watched == page(category).list) {
            mnuPFoodPopup();
            if (ui_.mnuPFoodDelete->isEnabled())
                ui_.mnuPFoodDelete->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Commands of the window

void TfrmMain::wireWindowCommands() {
    connect(ui_.Exit1, &QAction::triggered, this, &TfrmMain::Exit1Click);
    connect(ui_.MainMenuToolsBalloons, &QAction::triggered, this,
            &TfrmMain::MainMenuToolsBalloonsClick);
}

void TfrmMain::Exit1Click() {
    close();
}

void TfrmMain::MainMenuToolsBalloonsClick() {
    GlobalData::gBalloonHints = ui_.MainMenuToolsBalloons->isChecked();
    ui_.BalloonHints_->setShowBalloon(GlobalData::gBalloonHints);
}

// ---- Editing commands

void TfrmMain::wireEditCommands() {
    wirePopupMenu();
    // The window opens ready for typing the first item.
    page(0).nameField->setFocus();
    using Handler = void (TfrmMain::*)();
    static constexpr Handler sectionResize[model::CategoryCount] = {
        &TfrmMain::hdrDairySectionResize,   &TfrmMain::hdrMeatSectionResize,
        &TfrmMain::hdrVeggiesSectionResize, &TfrmMain::hdrFruitsSectionResize,
        &TfrmMain::hdrGrainsSectionResize,  &TfrmMain::hdrCansSectionResize,
        &TfrmMain::hdrDrinksSectionResize,  &TfrmMain::hdrFreezerSectionResize,
        &TfrmMain::hdrBabySectionResize,    &TfrmMain::hdrMiscSectionResize};
    for (int category = 0; category < model::CategoryCount; ++category) {
        const CategoryPage& p = page(category);
        connect(p.addButton, &QPushButton::clicked, this,
                [this, category] { addItemClick(category); });
        connect(p.list, &QAbstractItemView::doubleClicked, this,
                &TfrmMain::checkListBoxDoubleClick);
        connect(p.header, &controls::HeaderControl::sectionResize, this, sectionResize[category]);
    }
    connect(ui_.mmoNotes, &QPlainTextEdit::textChanged, this,
            [this] { document_.setNotes(platform::fromQString(ui_.mmoNotes->crlfText())); });
}

void TfrmMain::wirePopupMenu() {
    connect(ui_.mnuPFoodCheckAllForCategory, &QAction::triggered, this,
            &TfrmMain::mnuPFoodCheckAllForCategoryClick);
    connect(ui_.mnuPFoodUncheckAllForCategory, &QAction::triggered, this,
            &TfrmMain::mnuPFoodUncheckAllForCategoryClick);
    connect(ui_.mnuPFoodCheckAllForList, &QAction::triggered, this,
            &TfrmMain::mnuPFoodCheckAllForListClick);
    connect(ui_.mnuPFoodUncheckAllForList, &QAction::triggered, this,
            &TfrmMain::mnuPFoodUncheckAllForListClick);
    connect(ui_.mnuPFoodRename, &QAction::triggered, this, &TfrmMain::mnuPFoodRenameClick);
    connect(ui_.mnuPFoodRenameCategory, &QAction::triggered, this,
            &TfrmMain::mnuPFoodRenameCategoryClick);
    connect(ui_.mnuPFoodDelete, &QAction::triggered, this, &TfrmMain::mnuPFoodDeleteClick);
    connect(ui_.pcFoodMain, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        mnuPFoodPopup();
        ui_.mnuPFood->popup(ui_.pcFoodMain->mapToGlobal(pos));
    });
}

bool TfrmMain::acceptItemName(const QString& name) {
    if (!name.contains(QLatin1String("//")) && !name.contains(QLatin1Char('\t')))
        return true;
    ModalSeam::message(this, tr("Provendo"),
                       tr("An item name cannot contain \"//\" or a TAB character: a list "
                          "file would read it back as a category or split it in two.\n\n"
                          "Please change the name."),
                       QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok);
    return false;
}

void TfrmMain::addItemClick(int category) {
    const CategoryPage& p = page(category);
    // Enter in the quantity field adds before the field has lost the focus.
    p.quantityField->normalise();
    const QString name = p.nameField->text();
    const std::string nameBytes = platform::fromQString(name);
    if (model::trimControls(nameBytes).empty())
        return;
    if (!acceptItemName(name)) {
        p.nameField->setFocus();
        return;
    }
    document_.list(category).append(
        model::joinItemLine(nameBytes, platform::fromQString(p.quantityField->text())));
    p.nameField->clear();
    p.nameField->setFocus();
    setModified();
    UpdateFromHeader(category);
}

void TfrmMain::checkListBoxDoubleClick() {
    const int category = activeCategory();
    if (category < 0)
        return;
    model::CategoryList& list = document_.list(category);
    if (list.selectionCount() == 0 || list.focused() <= 0)
        return;
    const auto line = static_cast<std::size_t>(list.focused());
    const model::ItemParts parts = model::splitItemLine(list.text(line));
    QString name = platform::toQString(parts.name);
    QString quantity = platform::toQString(parts.quantity);
    TfrmRename dialog(this);
    // A refused name opens the dialog again with the typed texts, to be corrected.
    do {
        if (ExecuteRenameItem(dialog, name, quantity) != DialogFrame::ResultOk)
            return;
    } while (!acceptItemName(name));
    list.replaceText(
        line, model::joinItemLine(platform::fromQString(name), platform::fromQString(quantity)));
    setModified();
}

void TfrmMain::mnuPFoodRenameClick() {
    checkListBoxDoubleClick();
}

void TfrmMain::mnuPFoodDeleteClick() {
    const int category = activeCategory();
    if (category < 0)
        return;
    controls::CheckListBox* view = page(category).list;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    view->setUpdatesEnabled(false);
    const auto restore = qScopeGuard([view] {
        view->setUpdatesEnabled(true);
        QApplication::restoreOverrideCursor();
    });
    document_.list(category).removeSelected();
    setModified();
}

void TfrmMain::setCategoryTicks(int category, bool ticked) {
    if (category >= 0)
        document_.list(category).setAllTicked(ticked);
}

void TfrmMain::mnuPFoodCheckAllForCategoryClick() {
    setCategoryTicks(activeCategory(), true);
}

void TfrmMain::mnuPFoodUncheckAllForCategoryClick() {
    setCategoryTicks(activeCategory(), false);
}

void TfrmMain::mnuPFoodCheckAllForListClick() {
    document_.setAllTicked(true);
}

void TfrmMain::mnuPFoodUncheckAllForListClick() {
    document_.setAllTicked(false);
}

void TfrmMain::mnuPFoodRenameCategoryClick() {
    const int category = activeCategory();
    if (category < 0)
        return;
    controls::TabSheet* sheet = page(category).sheet;
    QString name = sheet->caption();
    TfrmRenameCategory dialog(this);
    if (ExecuteRenameCategory(dialog, name) != DialogFrame::ResultOk)
        return;
    sheet->setCaption(name);
    document_.list(category).replaceText(0, "//" + platform::fromQString(name));
    setModified();
}

// Delete and edit act on the focused or selected items, never on the marker line. On the
// Notes page the entries keep the state they last had.
void TfrmMain::mnuPFoodPopup() {
    const int category = activeCategory();
    if (category < 0)
        return;
    const model::CategoryList& list = document_.list(category);
    const bool usable = list.selectionCount() > 0 && !list.selected(0);
    ui_.mnuPFoodDelete->setEnabled(usable);
    ui_.mnuPFoodRename->setEnabled(usable);
}

// ---- File commands

void TfrmMain::wireFileCommands() {
    fileDialogs_ =
        std::make_unique<FileCommandsDialogs>(*this, *ui_.spFile, *ui_.MainMenuFileSaveAs);
    fileCommands_ = std::make_unique<files::FileCommands>(
        document_,
        files::DocumentFiles{.currentFile = GlobalData::gCurrentFile,
                             .listsFolder = GlobalData::gPath},
        *fileDialogs_);
    connect(ui_.MainMenuFileNew, &QAction::triggered, this, &TfrmMain::MainMenuFileNewClick);
    connect(ui_.MainMenuFileOpen, &QAction::triggered, this, &TfrmMain::MainMenuFileOpenClick);
    connect(ui_.MainMenuFileClose, &QAction::triggered, this, &TfrmMain::MainMenuFileCloseClick);
    connect(ui_.MainMenuFileSave, &QAction::triggered, this, &TfrmMain::MainMenuFileSaveClick);
    connect(ui_.MainMenuFileSaveAs, &QAction::triggered, this, &TfrmMain::MainMenuFileSaveAsClick);
}

void TfrmMain::MainMenuFileNewClick() {
    fileCommands_->newList();
}

void TfrmMain::MainMenuFileCloseClick() {
    fileCommands_->close();
}

void TfrmMain::MainMenuFileOpenClick() {
    fileCommands_->open();
}

void TfrmMain::openListFileAtStart(const QString& path) {
    try {
        fileCommands_->openFile(platform::fileName(QFileInfo(path).absoluteFilePath()));
    } catch (...) {
        // As from File > Open: the error is shown and the window goes on as it started.
        ErrorBox::showCurrent(this);
    }
}

void TfrmMain::LoadListGroups(const files::ListGroups& groups) {
    for (std::size_t k = 0; k < groups.size() && k < static_cast<std::size_t>(model::PageCount);
         ++k) {
        const QString caption = platform::toQString(model::categoryName(groups[k].firstLine()));
        if (k < model::CategoryCount) {
            ui_.pages[k].sheet->setCaption(caption);
            files::assignGroup(document_.list(static_cast<int>(k)), groups[k]);
        } else {
            ui_.tsNotes->setCaption(caption);
        }
    }
}

void TfrmMain::MainMenuFileSaveClick() {
    fileCommands_->save();
}

void TfrmMain::MainMenuFileSaveAsClick() {
    fileCommands_->saveAs();
}

void TfrmMain::SaveCategoryNames() {
    files::SaveCategoryNames(
        document_, platform::programFilePathForWriting(platform::ProgramFile::CategoryNames));
}

void TfrmMain::LoadCategoryNames() {
    files::LoadCategoryNames(document_,
                             platform::programFilePath(platform::ProgramFile::CategoryNames));
}

// ---- Printing and e-mail

namespace {

// The report engine shows its dialogs and writes its files the program's way.
report::ReportHooks modalHooks() {
    report::ReportHooks hooks;
    hooks.execDialog = [](QDialog& dialog) { return ModalSeam::execDialog(dialog); };
    hooks.fileDialog = [](QFileDialog& dialog) { return ModalSeam::fileDialog(dialog); };
    hooks.writeFile = [](const QString& path, const QByteArray& bytes) {
        platform::replaceFile(
            platform::fileName(path),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    };
    return hooks;
}

} // namespace

void TfrmMain::wirePrintCommands() {
    print_ = new share::PrintCommands(modalHooks(), this);
    connect(ui_.MainMenuFilePrint, &QAction::triggered, this, &TfrmMain::MainMenuFilePrintClick);
    connect(ui_.MainMenuFilePrintSetup, &QAction::triggered, this,
            &TfrmMain::MainMenuFilePrintSetupClick);
}

void TfrmMain::FillReportTables() {
    print_->fillReportTables(document_);
}

void TfrmMain::MainMenuFilePrintClick() {
    print_->print(document_, this);
}

void TfrmMain::MainMenuFilePrintSetupClick() {
    print_->runPrintSetup(this);
}

void TfrmMain::wireMailCommands() {
    mail_ = new share::MailCommand(this);
    connect(ui_.MainMenuToolsSendEmail, &QAction::triggered, this,
            &TfrmMain::MainMenuToolsSendEmailClick);
}

void TfrmMain::MainMenuToolsSendEmailClick() {
    mail_->send(document_);
}

// ---- Help menu

void TfrmMain::wireHelpCommands() {
    connect(ui_.Contents1, &QAction::triggered, this, &TfrmMain::Contents1Click);
    connect(ui_.MainMenuHelpHomePage, &QAction::triggered, this,
            &TfrmMain::MainMenuHelpHomePageClick);
    connect(ui_.About1, &QAction::triggered, this, &TfrmMain::About1Click);
}

void TfrmMain::Contents1Click() {
    // The viewer itself reports a missing help file.
    HelpViewer& viewer = HelpViewer::application();
    viewer.setHelpFile(platform::qtPath(platform::helpFilePath()));
    viewer.command(HelpViewer::HelpFinder, 0, this);
}

void TfrmMain::MainMenuHelpHomePageClick() {
    // Nothing to say when no browser takes it.
    platform::shell().open(Maker::website(), {});
}

void TfrmMain::About1Click() {
    TfrmHelpAbout box(this);
    ModalSeam::execDialog(box);
}

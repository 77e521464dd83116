// The file commands of the main window (New, Open, Save, Save As, Close), the close
// query, and the category names file kept beside the executable.
#include "app/Main.h"

#include "app/ErrorBox.h"
#include "app/GlobalData.h"
#include "app/ModalSeam.h"
#include "controls/PageControl.h"
#include "files/CategoryNames.h"
#include "files/ListFile.h"
#include "model/ItemLine.h"
#include "platform/AppPaths.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

namespace {

// File names travel as the file system's own bytes, not as list text.
std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString pathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QFileDialog* makeFileDialog(QWidget* owner, const char* name, const QString& title,
                            QFileDialog::AcceptMode mode, const QStringList& filters) {
    auto* dialog = new QFileDialog(owner, title);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(filters);
    dialog->setDefaultSuffix(QStringLiteral("slf"));
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

} // namespace

void TfrmMain::wireFileCommands() {
    connect(MainMenuFileNew, &QAction::triggered, this, &TfrmMain::MainMenuFileNewClick);
    connect(MainMenuFileOpen, &QAction::triggered, this, &TfrmMain::MainMenuFileOpenClick);
    connect(MainMenuFileClose, &QAction::triggered, this, &TfrmMain::MainMenuFileCloseClick);
    connect(MainMenuFileSave, &QAction::triggered, this, &TfrmMain::MainMenuFileSaveClick);
    connect(MainMenuFileSaveAs, &QAction::triggered, this, &TfrmMain::MainMenuFileSaveAsClick);
}

QFileDialog* TfrmMain::openDialog() {
    if (!dlgOpen)
        dlgOpen = makeFileDialog(this, "dlgOpen", tr("Open File"), QFileDialog::AcceptOpen,
                                 {tr("Shopping List File (*.slf)")});
    return dlgOpen;
}

QFileDialog* TfrmMain::saveDialog() {
    if (!dlgSave)
        dlgSave = makeFileDialog(this, "dlgSave", tr("Save File"), QFileDialog::AcceptSave,
                                 {tr("Shopping List File (*.slf)"), tr("All Files (*.*)")});
    return dlgSave;
}

void TfrmMain::offerToSave() {
    if (!document_.modified())
        return;
    const int answer =
        ModalSeam::message(this, tr("Confirm"), tr("Save changes"), QMessageBox::Question,
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        MainMenuFileSaveClick();
}

// Keeps every line holding "//": the category lines, and items that look like them.
void TfrmMain::deleteItemLines() {
    for (int c = 0; c < model::CategoryCount; ++c)
        document_.list(c).removeIf(
            [](std::string_view line) { return !model::isMarkerLine(line); });
}

void TfrmMain::forgetFile() {
    GlobalData::gPath.clear();
    GlobalData::gCurrentFile.clear();
    spFile->clear();
}

void TfrmMain::MainMenuFileNewClick() {
    offerToSave();
    deleteItemLines();
    setModified();
    forgetFile();
}

void TfrmMain::MainMenuFileCloseClick() {
    offerToSave();
    deleteItemLines();
    clearModified();
    forgetFile();
}

void TfrmMain::MainMenuFileOpenClick() {
    // Unsaved changes are offered for saving before a file can replace them.
    offerToSave();
    if (GlobalData::gPath.empty())
        GlobalData::gPath = platform::programFilePath(platform::ProgramFile::ListsFolder);
    QFileDialog* dialog = openDialog();
    dialog->setDirectory(pathText(GlobalData::gPath));
    const QString chosen = ModalSeam::fileDialog(*dialog);
    if (!chosen.isEmpty())
        openListFile(chosen);
}

void TfrmMain::openListFileAtStart(const QString& path) {
    try {
        openListFile(QFileInfo(path).absoluteFilePath());
    } catch (...) {
        // As from File > Open: the error is shown and the window goes on as it started.
        ErrorBox::showCurrent(this);
    }
}

void TfrmMain::openListFile(const QString& chosen) {
    const std::string path = pathBytes(chosen);
    // Read and grouped in full first: a file that cannot be read or has too many groups
    // changes nothing.
    const std::string bytes = files::readFileBytes(path);
    const files::ListGroups groups = files::groupListLines(bytes);

    GlobalData::gCurrentFile = path;
    LoadListGroups(groups);
    spFile->setText(chosen);
    for (int c = 0; c < model::CategoryCount; ++c)
        UpdateFromHeader(c);
    MainMenuFileSaveAs->setEnabled(true);
    // The list in hand is now the file's.
    clearModified();
}

void TfrmMain::LoadListGroups(const files::ListGroups& groups) {
    for (std::size_t k = 0; k < groups.size() && k < files::PageCount; ++k) {
        const QString caption = platform::toQString(model::categoryName(groups[k].firstLine()));
        if (k < model::CategoryCount) {
            pages_[k].sheet->setCaption(caption);
            files::assignGroup(document_.list(static_cast<int>(k)), groups[k]);
        } else {
            tsNotes->setCaption(caption);
        }
    }
}

void TfrmMain::MainMenuFileSaveClick() {
    QFileDialog* dialog = saveDialog();
    // The default lists folder in the user's documents is made when it is first needed.
    if (GlobalData::gPath == platform::programFilePath(platform::ProgramFile::ListsFolder))
        platform::programFilePathForWriting(platform::ProgramFile::ListsFolder);
    dialog->setDirectory(pathText(GlobalData::gPath));
    if (!GlobalData::gCurrentFile.empty()) {
        files::SaveListFile(document_, GlobalData::gCurrentFile);
        clearModified();
        return;
    }
    const QString chosen = ModalSeam::fileDialog(*dialog);
    if (!chosen.isEmpty())
        saveListTo(chosen);
}

void TfrmMain::MainMenuFileSaveAsClick() {
    const QString chosen = ModalSeam::fileDialog(*saveDialog());
    if (chosen.isEmpty())
        return;
    saveListTo(chosen);
    spFile->setText(chosen);
}

// The file becomes the current one only once it has been written.
void TfrmMain::saveListTo(const QString& chosen) {
    const std::string path = pathBytes(chosen);
    files::SaveListFile(document_, path);
    GlobalData::gCurrentFile = path;
    clearModified();
}

void TfrmMain::FormCloseQuery(bool& canClose) {
    if (!document_.modified())
        return;
    const int answer =
        ModalSeam::message(this, tr("Confirm"), tr("Save changes?"), QMessageBox::Question,
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        // The window stays open; once saved, the next close asks nothing.
        canClose = false;
        MainMenuFileSaveClick();
    }
}

void TfrmMain::SaveCategoryNames() {
    files::SaveCategoryNames(
        document_, platform::programFilePathForWriting(platform::ProgramFile::CategoryNames));
}

void TfrmMain::LoadCategoryNames() {
    files::LoadCategoryNames(document_,
                             platform::programFilePath(platform::ProgramFile::CategoryNames));
}

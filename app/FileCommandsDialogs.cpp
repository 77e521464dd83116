#include "app/FileCommandsDialogs.h"

#include "app/Main.h"
#include "app/ModalSeam.h"
#include "platform/FileNames.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>

namespace {

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

FileCommandsDialogs::FileCommandsDialogs(TfrmMain& window, QLabel& fileStatus, QAction& saveAs)
    : window_(window), fileStatus_(fileStatus), saveAs_(saveAs) {}

QFileDialog* FileCommandsDialogs::openDialog() {
    if (!dlgOpen)
        dlgOpen =
            makeFileDialog(&window_, "dlgOpen", TfrmMain::tr("Open File"), QFileDialog::AcceptOpen,
                           {TfrmMain::tr("Shopping List File (*.slf)")});
    return dlgOpen;
}

QFileDialog* FileCommandsDialogs::saveDialog() {
    if (!dlgSave)
        dlgSave = makeFileDialog(
            &window_, "dlgSave", TfrmMain::tr("Save File"), QFileDialog::AcceptSave,
            {TfrmMain::tr("Shopping List File (*.slf)"), TfrmMain::tr("All Files (*.*)")});
    return dlgSave;
}

// No Cancel: the question is whether to save first, the command goes on either way.
bool FileCommandsDialogs::askToSave(files::SaveQuestion question) {
    const QString text = question == files::SaveQuestion::BeforeClosing
                             ? TfrmMain::tr("Save changes?")
                             : TfrmMain::tr("Save changes");
    return ModalSeam::message(&window_, TfrmMain::tr("Confirm"), text, QMessageBox::Question,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                              QMessageBox::No) == QMessageBox::Yes;
}

std::string FileCommandsDialogs::chooseFileToOpen(const std::string& folder) {
    QFileDialog* dialog = openDialog();
    dialog->setDirectory(platform::qtPath(folder));
    return platform::fileName(ModalSeam::fileDialog(*dialog));
}

void FileCommandsDialogs::setSaveFolder(const std::string& folder) {
    saveDialog()->setDirectory(platform::qtPath(folder));
}

std::string FileCommandsDialogs::chooseFileToSave() {
    return platform::fileName(ModalSeam::fileDialog(*saveDialog()));
}

void FileCommandsDialogs::showPath(const std::string& path) {
    fileStatus_.setText(platform::qtPath(path));
}

void FileCommandsDialogs::loadGroups(const files::ListGroups& groups) {
    window_.LoadListGroups(groups);
}

void FileCommandsDialogs::fileOpened() {
    for (int c = 0; c < model::CategoryCount; ++c)
        window_.UpdateFromHeader(c);
    saveAs_.setEnabled(true);
}

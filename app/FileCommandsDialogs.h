#pragma once

#include "files/FileCommands.h"

class QAction;
class QFileDialog;
class QLabel;
class TfrmMain;

// The file commands' questions and file dialogs as the main window shows them, and the
// window's parts that follow an opened file: the pages, the status pane, Save As.
class FileCommandsDialogs : public files::FileCommandsUser {
public:
    FileCommandsDialogs(TfrmMain& window, QLabel& fileStatus, QAction& saveAs);

    bool askToSave(files::SaveQuestion question) override;
    std::string chooseFileToOpen(const std::string& folder) override;
    void setSaveFolder(const std::string& folder) override;
    std::string chooseFileToSave() override;
    void showPath(const std::string& path) override;
    void loadGroups(const files::ListGroups& groups) override;
    void fileOpened() override;

private:
    // Made on first use and kept, so that each remembers its folder.
    QFileDialog* openDialog();
    QFileDialog* saveDialog();

    TfrmMain& window_;
    QLabel& fileStatus_;
    QAction& saveAs_;
    QFileDialog* dlgOpen = nullptr;
    QFileDialog* dlgSave = nullptr;
};

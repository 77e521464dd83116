// The file commands of the main window (New, Open, Save, Save As, Close), the close
// query, and the category names file kept beside the executable.
#include "app/Main.h"

#include "app/ErrorBox.h"
#include "app/FileCommandsDialogs.h"
#include "app/GlobalData.h"
#include "controls/PageControl.h"
#include "files/CategoryNames.h"
#include "files/FileCommands.h"
#include "files/ListFile.h"
#include "model/ItemLine.h"
#include "platform/AppPaths.h"
#include "platform/FileNames.h"
#include "platform/TextCodec.h"

#include <QFileInfo>

void TfrmMain::wireFileCommands() {
    fileDialogs_ = std::make_unique<FileCommandsDialogs>(*this, *spFile, *MainMenuFileSaveAs);
    fileCommands_ = std::make_unique<files::FileCommands>(
        document_,
        files::DocumentFiles{.currentFile = GlobalData::gCurrentFile,
                             .listsFolder = GlobalData::gPath},
        *fileDialogs_);
    connect(MainMenuFileNew, &QAction::triggered, this, &TfrmMain::MainMenuFileNewClick);
    connect(MainMenuFileOpen, &QAction::triggered, this, &TfrmMain::MainMenuFileOpenClick);
    connect(MainMenuFileClose, &QAction::triggered, this, &TfrmMain::MainMenuFileCloseClick);
    connect(MainMenuFileSave, &QAction::triggered, this, &TfrmMain::MainMenuFileSaveClick);
    connect(MainMenuFileSaveAs, &QAction::triggered, this, &TfrmMain::MainMenuFileSaveAsClick);
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
            pages_[k].sheet->setCaption(caption);
            files::assignGroup(document_.list(static_cast<int>(k)), groups[k]);
        } else {
            tsNotes->setCaption(caption);
        }
    }
}

void TfrmMain::MainMenuFileSaveClick() {
    fileCommands_->save();
}

void TfrmMain::MainMenuFileSaveAsClick() {
    fileCommands_->saveAs();
}

void TfrmMain::FormCloseQuery(bool& canClose) {
    fileCommands_->closeQuery(canClose);
}

void TfrmMain::SaveCategoryNames() {
    files::SaveCategoryNames(
        document_, platform::programFilePathForWriting(platform::ProgramFile::CategoryNames));
}

void TfrmMain::LoadCategoryNames() {
    files::LoadCategoryNames(document_,
                             platform::programFilePath(platform::ProgramFile::CategoryNames));
}

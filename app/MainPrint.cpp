// File > Print and File > Print Setup, forwarded to the print command with the program's
// own dialogs and file writing.
#include "app/Main.h"
#include "app/ModalSeam.h"
#include "platform/ReplaceFile.h"
#include "share/PrintCommands.h"

#include <QAction>
#include <QFileDialog>

namespace {

report::ReportHooks modalHooks() {
    report::ReportHooks hooks;
    hooks.execDialog = [](QDialog& dialog) { return ModalSeam::execDialog(dialog); };
    hooks.fileDialog = [](QFileDialog& dialog) { return ModalSeam::fileDialog(dialog); };
    hooks.writeFile = [](const QString& path, const QByteArray& bytes) {
        platform::replaceFile(
            path.toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    };
    return hooks;
}

} // namespace

void TfrmMain::wirePrintCommands() {
    print_ = new share::PrintCommands(modalHooks(), this);
    connect(MainMenuFilePrint, &QAction::triggered, this, &TfrmMain::MainMenuFilePrintClick);
    connect(MainMenuFilePrintSetup, &QAction::triggered, this,
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

#include "app/MainPrint.h"

#include "app/Main.h"
#include "app/ModalSeam.h"
#include "platform/ReplaceFile.h"
#include "share/ShoppingReport.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

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

PrintCommands::PrintCommands(QObject* parent)
    : QObject(parent), reportSystem_(share::shoppingListReportSettings(), modalHooks()) {}

PrintCommands::~PrintCommands() = default;

QPrinter& PrintCommands::setupPrinter() {
    if (!setupPrinter_)
        setupPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *setupPrinter_;
}

void TfrmMain::wirePrintCommands() {
    print_ = new PrintCommands(this);
    connect(MainMenuFilePrint, &QAction::triggered, this, &TfrmMain::MainMenuFilePrintClick);
    connect(MainMenuFilePrintSetup, &QAction::triggered, this,
            &TfrmMain::MainMenuFilePrintSetupClick);
}

void TfrmMain::FillReportTables() {
    share::FillReportTables(document_, print_->tables(), print_->clock());
}

void TfrmMain::MainMenuFilePrintClick() {
    FillReportTables();
    print_->reportSystem().execute(share::shoppingListReport(),
                                   share::shoppingListData(print_->tables()), this);
}

void TfrmMain::MainMenuFilePrintSetupClick() {
    QPrintDialog dialog(&print_->setupPrinter(), this);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    dialog.setWindowTitle(tr("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    ModalSeam::execDialog(dialog);
}

#include "app/MainPrint.h"

#include "app/Main.h"
#include "app/ModalSeam.h"
#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"
#include "share/ShoppingReport.h"

#include <QAction>
#include <QFileDialog>

namespace {

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

PrintCommands::PrintCommands(QObject* parent)
    : QObject(parent), reportSystem_(share::shoppingListReportSettings(), modalHooks()) {}

PrintCommands::~PrintCommands() = default;

void TfrmMain::wirePrintCommands() {
    print_ = new PrintCommands(this);
    connect(ui_.MainMenuFilePrint, &QAction::triggered, this, &TfrmMain::MainMenuFilePrintClick);
    connect(ui_.MainMenuFilePrintSetup, &QAction::triggered, this,
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

// The selection starts at the system's default printer with its default paper. The
// report keeps its own printer, chosen in Output Options.
void PrintCommands::runPrintSetup(QWidget* owner) {
    const report::PrinterCatalog& catalog = reportSystem_.printerCatalog();
    const QList<report::PrinterCapabilities> printers = catalog.printers();
    report::PrinterSetupDialog dialog(tr("Print Setup"), printers, owner);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    if (!printSetupChosen_) {
        if (const auto* p = report::defaultPrinter(printers, catalog.defaultPrinterName())) {
            printSetup_.printerName = p->name;
            if (p->defaultPageSize.isValid())
                printSetup_.pageSize = p->defaultPageSize;
        }
    }
    dialog.setSetup(printSetup_);
    if (ModalSeam::execDialog(dialog) != QDialog::Accepted)
        return;
    printSetup_ = dialog.setup();
    printSetupChosen_ = true;
}

void TfrmMain::MainMenuFilePrintSetupClick() {
    print_->runPrintSetup(this);
}

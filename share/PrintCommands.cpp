#include "share/PrintCommands.h"

#include "share/ShoppingReport.h"

namespace share {

PrintCommands::PrintCommands(report::ReportHooks hooks, QObject* parent)
    : QObject(parent), execDialog_(hooks.execDialog),
      reportSystem_(shoppingListReportSettings(), std::move(hooks)) {
    if (!execDialog_)
        execDialog_ = [](QDialog& dialog) { return dialog.exec(); };
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::fillReportTables(const model::Document& document) {
    FillReportTables(document, tables_, clock_);
}

void PrintCommands::print(const model::Document& document, QWidget* owner) {
    fillReportTables(document);
    reportSystem_.execute(shoppingListReport(), shoppingListData(tables_), owner);
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
    if (execDialog_(dialog) != QDialog::Accepted)
        return;
    printSetup_ = dialog.setup();
    printSetupChosen_ = true;
}

} // namespace share

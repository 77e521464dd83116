#pragma once

#include "report/OutputOptions.h"
#include "report/PrinterCatalog.h"
#include "report/ReportLayout.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QFileDialog;
class QPrinter;
class QWidget;

namespace report {

// The captions and texts of one report run.
struct ReportSettings {
    QString optionsCaption;
    QString statusCaption;
    QString previewCaption;
    QString statusText; // %p: the page being generated
    QString documentName;
    Destination initialDestination = Destination::Preview;
};

// What the engine asks of the program around it: showing modal dialogs (so tests can
// answer them) and writing a finished file.
struct ReportHooks {
    std::function<int(QDialog&)> execDialog;
    std::function<QString(QFileDialog&)> fileDialog;
    std::function<void(const QString& path, const QByteArray& bytes)> writeFile;
};

// Runs a report: output options, generation with a status window, then printer, preview
// or file. Keeps its own printer, which starts at the system's default printer and
// changes only through the options dialog's Setup; what that setup chooses (printer,
// paper, source, orientation) is what the report prints on.
class ReportSystem {
public:
    ReportSystem(ReportSettings settings, ReportHooks hooks);
    ~ReportSystem();

    // Returns when the user cancelled or the output is finished.
    void execute(const ReportDef& definition, const ReportData& data, QWidget* parent);

    // The report's printer, or null when no printer is installed. The print system is
    // asked at the first need, not when the program starts: it may take its time.
    QPrinter* printer() const;
    // "name on port" for the options dialog; empty without a printer.
    QString printerName() const;
    // Replaces the report's printer (tests print into a PDF-format printer). queueName is
    // the catalog's name of it, duplex whether it prints on both sides.
    void setPrinter(std::unique_ptr<QPrinter> printer, QString name, QString queueName = {},
                    bool duplex = false);
    bool printerHasDuplex() const;

    // Where the printers come from; the system's print queues unless replaced.
    const PrinterCatalog& printerCatalog() const { return *catalog_; }
    void setPrinterCatalog(std::shared_ptr<const PrinterCatalog> catalog);

private:
    std::optional<Layout> generate(const ReportDef& definition, const ReportData& data,
                                   QWidget* parent);
    void showPrinterSetup(QWidget* parent);
    void usePrinter(const PrinterCapabilities& printer) const;
    void connectSetup(OutputOptionsDialog& dialog);
    void print(const Layout& layout, const OutputOptions& options, int fromPage, int toPage);
    void preview(const Layout& layout, const OutputOptions& options, QWidget* parent);
    void saveToFile(const Layout& layout, QWidget* parent);

    ReportSettings settings_;
    ReportHooks hooks_;
    std::shared_ptr<const PrinterCatalog> catalog_;
    mutable std::unique_ptr<QPrinter> printer_;
    mutable QString printerName_;
    mutable QString queueName_;
    mutable bool duplex_ = false;
    mutable bool printerLookedUp_ = false;
};

} // namespace report

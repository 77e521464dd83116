#include "report/ReportSystem.h"

#include "report/PrinterSetupDialog.h"
#include "report/ReportPainter.h"
#include "report/ReportPreview.h"
#include "report/ReportStatus.h"
#include "report/TextMeasure.h"

#include <QFileDialog>
#include <QPrinter>

namespace report {

namespace {

// CUPS names no port; the printer's location, when set, tells the user where it is.
QString describe(const PrinterCapabilities& printer) {
    const QString where = printer.location.isEmpty() ? QStringLiteral("CUPS") : printer.location;
    return QObject::tr("%1 on %2").arg(printer.name, where);
}

} // namespace

ReportSystem::ReportSystem(ReportSettings settings, ReportHooks hooks)
    : settings_(std::move(settings)), hooks_(std::move(hooks)),
      catalog_(std::make_shared<SystemPrinterCatalog>()) {
    if (!hooks_.execDialog)
        hooks_.execDialog = [](QDialog& d) { return d.exec(); };
}

QPrinter* ReportSystem::printer() const {
    if (!printerLookedUp_) {
        printerLookedUp_ = true;
        const QList<PrinterCapabilities> printers = catalog_->printers();
        if (const PrinterCapabilities* p = defaultPrinter(printers, catalog_->defaultPrinterName()))
            usePrinter(*p);
    }
    return printer_.get();
}

void ReportSystem::usePrinter(const PrinterCapabilities& printer) const {
    printer_ = catalog_->makePrinter(printer);
    printerName_ = describe(printer);
    queueName_ = printer.name;
    duplex_ = printer.duplex;
}

bool ReportSystem::printerHasDuplex() const {
    return printer() && duplex_;
}

void ReportSystem::setPrinterCatalog(std::shared_ptr<const PrinterCatalog> catalog) {
    catalog_ = std::move(catalog);
    printer_.reset();
    printerName_.clear();
    queueName_.clear();
    duplex_ = false;
    printerLookedUp_ = false;
}

ReportSystem::~ReportSystem() = default;

QString ReportSystem::printerName() const {
    return printer() ? printerName_ : QString();
}

void ReportSystem::setPrinter(std::unique_ptr<QPrinter> printer, QString name, QString queueName,
                              bool duplex) {
    printer_ = std::move(printer);
    printerName_ = std::move(name);
    queueName_ = std::move(queueName);
    duplex_ = duplex;
    printerLookedUp_ = true;
}

// Setup may change the printer, so the dialog shows the one it leaves chosen.
void ReportSystem::connectSetup(OutputOptionsDialog& dialog) {
    dialog.setDuplexAvailable(printerHasDuplex());
    QObject::connect(&dialog, &OutputOptionsDialog::setupRequested, &dialog, [this, &dialog] {
        showPrinterSetup(&dialog);
        dialog.setPrinterName(printerName());
        dialog.setDuplexAvailable(printerHasDuplex());
    });
}

void ReportSystem::execute(const ReportDef& definition, const ReportData& data, QWidget* parent) {
    OutputOptionsDialog dialog(OutputOptionsDialog::Mode::Destination, settings_.optionsCaption,
                               printerName(), 0, 0, parent);
    OutputOptions initial;
    initial.destination = settings_.initialDestination;
    dialog.setOptions(initial);
    connectSetup(dialog);
    if (hooks_.execDialog(dialog) != QDialog::Accepted)
        return;
    const OutputOptions options = dialog.options();

    const std::optional<Layout> layout = generate(definition, data, parent);
    if (!layout)
        return;
    switch (options.destination) {
    case Destination::Printer:
        print(*layout, options, 1, static_cast<int>(layout->pages.size()));
        break;
    case Destination::Preview:
        preview(*layout, options, parent);
        break;
    case Destination::File:
        saveToFile(*layout, parent);
        break;
    }
}

std::optional<Layout> ReportSystem::generate(const ReportDef& definition, const ReportData& data,
                                             QWidget* parent) {
    ReportStatus status(settings_.statusCaption, settings_.statusText, parent);
    status.show();
    const FontMetricsMeasure measure;
    std::optional<Layout> layout = layoutReport(
        definition, data, measure, [&status](int page) { return status.pageStarted(page); });
    status.hide();
    return layout;
}

void ReportSystem::showPrinterSetup(QWidget* parent) {
    if (!printer())
        return;
    PrinterSetupDialog dialog(QObject::tr("Printer Setup"), catalog_->printers(), parent);
    dialog.setSetup(setupOf(*printer_, queueName_));
    if (hooks_.execDialog(dialog) != QDialog::Accepted)
        return;
    const PrinterSetup chosen = dialog.setup();
    const PrinterCapabilities* printer = dialog.chosenPrinter();
    if (printer && printer->name != queueName_)
        usePrinter(*printer);
    applySetup(chosen, *printer_);
}

void ReportSystem::print(const Layout& layout, const OutputOptions& options, int fromPage,
                         int toPage) {
    if (!printer())
        throw std::runtime_error("No printers installed");
    QPrinter& printer = *printer_;
    printer.setDocName(settings_.documentName);
    printer.setFullPage(true);
    printer.setCopyCount(options.copies);
    printer.setCollateCopies(options.collate);
    printer.setDuplex(options.duplex && duplex_ ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
    std::vector<int> pages;
    for (int page = fromPage; page <= toPage; ++page)
        pages.push_back(page - 1);
    paintPages(printer, layout, pages);
}

void ReportSystem::preview(const Layout& layout, const OutputOptions& options, QWidget* parent) {
    ReportPreview window(settings_.previewCaption, layout, printer() != nullptr, parent);
    QObject::connect(&window, &ReportPreview::printRequested, &window, [&](int currentPage) {
        OutputOptionsDialog range(OutputOptionsDialog::Mode::PageRange, settings_.optionsCaption,
                                  printerName(), static_cast<int>(layout.pages.size()), currentPage,
                                  &window);
        connectSetup(range);
        range.setOptions(options);
        if (hooks_.execDialog(range) != QDialog::Accepted)
            return;
        const OutputOptions chosen = range.options();
        print(layout, chosen, chosen.fromPage, chosen.toPage);
    });
    hooks_.execDialog(window);
}

void ReportSystem::saveToFile(const Layout& layout, QWidget* parent) {
    QFileDialog dialog(parent, QObject::tr("Save Report As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QObject::tr("PDF documents (*.pdf)"), QObject::tr("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString path = hooks_.fileDialog ? hooks_.fileDialog(dialog)
                         : dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                             ? dialog.selectedFiles().constFirst()
                             : QString();
    if (path.isEmpty())
        return;
    const QByteArray bytes = renderPdf(layout, settings_.documentName);
    if (!hooks_.writeFile)
        throw std::runtime_error("No file writer");
    hooks_.writeFile(path, bytes);
}

} // namespace report

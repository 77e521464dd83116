#include "report/ReportSystem.h"

#include "report/ReportPainter.h"
#include "report/ReportPreview.h"
#include "report/ReportStatus.h"
#include "report/TextMeasure.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace report {

namespace {

// CUPS names no port; the printer's location, when set, tells the user where it is.
QString describe(const QPrinterInfo& info) {
    const QString where = info.location().isEmpty() ? QStringLiteral("CUPS") : info.location();
    return QObject::tr("%1 on %2").arg(info.printerName(), where);
}

} // namespace

ReportSystem::ReportSystem(ReportSettings settings, ReportHooks hooks)
    : settings_(std::move(settings)), hooks_(std::move(hooks)) {
    if (!hooks_.execDialog)
        hooks_.execDialog = [](QDialog& d) { return d.exec(); };
}

QPrinter* ReportSystem::printer() const {
    if (!printerLookedUp_) {
        printerLookedUp_ = true;
        const QPrinterInfo info = QPrinterInfo::defaultPrinter().isNull()
                                      ? (QPrinterInfo::availablePrinters().isEmpty()
                                             ? QPrinterInfo()
                                             : QPrinterInfo::availablePrinters().constFirst())
                                      : QPrinterInfo::defaultPrinter();
        if (!info.isNull()) {
            printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            printerName_ = describe(info);
        }
    }
    return printer_.get();
}

ReportSystem::~ReportSystem() = default;

QString ReportSystem::printerName() const {
    return printer() ? printerName_ : QString();
}

void ReportSystem::setPrinter(std::unique_ptr<QPrinter> printer, QString name) {
    printer_ = std::move(printer);
    printerName_ = std::move(name);
    printerLookedUp_ = true;
}

void ReportSystem::execute(const ReportDef& definition, const ReportData& data, QWidget* parent) {
    OutputOptionsDialog dialog(OutputOptionsDialog::Mode::Destination, settings_.optionsCaption,
                               printerName(), 0, 0, parent);
    OutputOptions initial;
    initial.destination = settings_.initialDestination;
    dialog.setOptions(initial);
    QObject::connect(&dialog, &OutputOptionsDialog::setupRequested, &dialog, [&] {
        showPrinterSetup(&dialog);
        dialog.setPrinterName(printerName());
    });
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
    QPrintDialog setup(printer_.get(), parent);
    setup.setWindowTitle(QObject::tr("Printer Setup"));
    setup.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    if (hooks_.execDialog(setup) == QDialog::Accepted &&
        printer_->outputFormat() == QPrinter::NativeFormat)
        printerName_ = describe(QPrinterInfo::printerInfo(printer_->printerName()));
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
    printer.setDuplex(options.duplex ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
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
        range.setOptions(options);
        QObject::connect(&range, &OutputOptionsDialog::setupRequested, &range, [&] {
            showPrinterSetup(&range);
            range.setPrinterName(printerName());
        });
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

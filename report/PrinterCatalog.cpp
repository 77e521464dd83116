#include "report/PrinterCatalog.h"

#include <QPrinterInfo>

namespace report {

QList<PrinterCapabilities> SystemPrinterCatalog::printers() const {
    QList<PrinterCapabilities> out;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        PrinterCapabilities p;
        p.name = info.printerName();
        p.location = info.location();
        p.pageSizes = info.supportedPageSizes();
        p.defaultPageSize = info.defaultPageSize();
#ifdef Q_OS_WIN
        const QPrinter probe(info);
        p.paperSources = probe.supportedPaperSources();
#endif
        // Elsewhere Qt names no trays: the printer feeds from the source it selects itself.
        const QList<QPrinter::DuplexMode> duplex = info.supportedDuplexModes();
        p.duplex = duplex.contains(QPrinter::DuplexAuto) ||
                   duplex.contains(QPrinter::DuplexLongSide) ||
                   duplex.contains(QPrinter::DuplexShortSide);
        out.append(p);
    }
    return out;
}

QString SystemPrinterCatalog::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<QPrinter>
SystemPrinterCatalog::makePrinter(const PrinterCapabilities& printer) const {
    return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(printer.name),
                                      QPrinter::HighResolution);
}

const PrinterCapabilities* findPrinter(const QList<PrinterCapabilities>& printers,
                                       const QString& name) {
    for (const PrinterCapabilities& p : printers)
        if (p.name == name)
            return &p;
    return nullptr;
}

const PrinterCapabilities* defaultPrinter(const QList<PrinterCapabilities>& printers,
                                          const QString& defaultName) {
    if (const PrinterCapabilities* p = findPrinter(printers, defaultName))
        return p;
    return printers.isEmpty() ? nullptr : &printers.constFirst();
}

} // namespace report

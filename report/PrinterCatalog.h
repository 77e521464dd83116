#pragma once

#include <QList>
#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <memory>

namespace report {

// What the setup dialogs need to know of one printer queue.
struct PrinterCapabilities {
    QString name;
    QString location;
    QList<QPageSize> pageSizes;
    QPageSize defaultPageSize;
    QList<QPrinter::PaperSource> paperSources;
    bool duplex = false;
};

// The printers the system offers. The real one asks the print system; tests hand in a
// fixed list, since no printer exists on a build machine.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    virtual QList<PrinterCapabilities> printers() const = 0;
    // Empty when there is no default printer.
    virtual QString defaultPrinterName() const = 0;
    virtual std::unique_ptr<QPrinter> makePrinter(const PrinterCapabilities& printer) const = 0;
};

class SystemPrinterCatalog : public PrinterCatalog {
public:
    QList<PrinterCapabilities> printers() const override;
    QString defaultPrinterName() const override;
    std::unique_ptr<QPrinter> makePrinter(const PrinterCapabilities& printer) const override;
};

// The printer the catalog names as default, else its first; null when it has none.
const PrinterCapabilities* defaultPrinter(const QList<PrinterCapabilities>& printers,
                                          const QString& defaultName);
const PrinterCapabilities* findPrinter(const QList<PrinterCapabilities>& printers,
                                       const QString& name);

} // namespace report

#pragma once

#include "report/PrinterCatalog.h"

#include <QDialog>
#include <QPageLayout>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace report {

// One printer selection: the queue, paper size and source, orientation.
struct PrinterSetup {
    QString printerName; // empty: no printer
    QPageSize pageSize = QPageSize(QPageSize::Letter);
    QPrinter::PaperSource paperSource = QPrinter::Auto;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

PrinterSetup setupOf(const QPrinter& printer, const QString& printerName);
// Paper, source and orientation; the queue itself is chosen by making the printer.
void applySetup(const PrinterSetup& setup, QPrinter& printer);

// The printer-setup dialog: printer, paper size and source, orientation; OK and Cancel.
// It prints nothing; its owner applies what it returns.
class PrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrinterSetupDialog(const QString& caption, QList<PrinterCapabilities> printers,
                       QWidget* parent = nullptr);

    void setSetup(const PrinterSetup& setup);
    PrinterSetup setup() const;
    // The printer chosen in the list; null without printers.
    const PrinterCapabilities* chosenPrinter() const;

private:
    QWidget* buildPrinter();
    QWidget* buildPaper();
    QWidget* buildOrientation();
    void printerChanged();
    void selectPageSize(const QPageSize& size);

    QList<PrinterCapabilities> printers_;
    QComboBox* cbPrinter = nullptr;
    QLabel* lblWhere = nullptr;
    QLabel* lblDuplex = nullptr;
    QComboBox* cbPaperSize = nullptr;
    QComboBox* cbPaperSource = nullptr;
    QRadioButton* rbPortrait = nullptr;
    QRadioButton* rbLandscape = nullptr;
};

} // namespace report

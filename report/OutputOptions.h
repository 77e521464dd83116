#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace report {

enum class Destination { Printer, Preview, File };

struct OutputOptions {
    Destination destination = Destination::Preview;
    int copies = 1;
    bool collate = true;
    bool duplex = false;
    // Printing from the preview: pages fromPage..toPage, counted from 1.
    int fromPage = 1;
    int toPage = 1;
};

// "Output Options": where the report goes, or, when printing from the preview, which
// pages; copies, collate, duplex and the printer's setup. Without a printer only the
// destinations that need none can be chosen.
class OutputOptionsDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Destination, PageRange };

    // printerName empty: no printer installed. pageCount and currentPage matter only
    // for the page range.
    OutputOptionsDialog(Mode mode, const QString& caption, const QString& printerName,
                        int pageCount, int currentPage, QWidget* parent = nullptr);

    void setPrinterName(const QString& printerName);
    // Duplex is offered only for a printer that prints on both sides.
    void setDuplexAvailable(bool available);
    // The destination, copies, collate and duplex; the page range always opens at all.
    void setOptions(const OutputOptions& options);
    OutputOptions options() const;

signals:
    // The "Setup" button: the owner shows the printer's setup and then calls
    // setPrinterName with the printer it leaves chosen.
    void setupRequested();

private:
    QWidget* buildDestination();
    QWidget* buildPageRange(int pageCount, int currentPage);
    QWidget* buildCopies();
    void updateEnabled();

    Mode mode_;
    bool hasPrinter_ = false;
    bool duplexAvailable_ = false;
    int currentPage_ = 1;
    QLabel* lblPrinter = nullptr;
    QPushButton* btnSetup = nullptr;
    QRadioButton* rbPrinter = nullptr;
    QRadioButton* rbPreview = nullptr;
    QRadioButton* rbFile = nullptr;
    QRadioButton* rbAll = nullptr;
    QRadioButton* rbPages = nullptr;
    QRadioButton* rbSelection = nullptr;
    QSpinBox* spinFrom = nullptr;
    QSpinBox* spinTo = nullptr;
    QSpinBox* spinCopies = nullptr;
    QCheckBox* cbCollate = nullptr;
    QCheckBox* cbDuplex = nullptr;
    QPushButton* btnOK = nullptr;
};

} // namespace report

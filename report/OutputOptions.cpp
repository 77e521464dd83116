#include "report/OutputOptions.h"

#include "report/Named.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace report {

OutputOptionsDialog::OutputOptionsDialog(Mode mode, const QString& caption,
                                         const QString& printerName, int pageCount, int currentPage,
                                         QWidget* parent)
    : QDialog(parent), mode_(mode), currentPage_(currentPage) {
    setObjectName(QStringLiteral("OutputOptions"));
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* printerBox = new QGroupBox(tr("Printer"), this);
    lblPrinter = named(new QLabel(printerBox), "lblPrinter");
    btnSetup = named(new QPushButton(tr("&Setup"), printerBox), "btnSetup");
    btnSetup->setAccessibleName(tr("Printer setup"));
    auto* printerRow = new QHBoxLayout(printerBox);
    printerRow->addWidget(lblPrinter, 1);
    printerRow->addWidget(btnSetup);
    connect(btnSetup, &QPushButton::clicked, this, &OutputOptionsDialog::setupRequested);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnOK = named(buttons->button(QDialogButtonBox::Ok), "btnOK");
    named(buttons->button(QDialogButtonBox::Cancel), "btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* middle = new QHBoxLayout;
    middle->addWidget(mode == Mode::Destination ? buildDestination()
                                                : buildPageRange(pageCount, currentPage));
    middle->addWidget(buildCopies());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addLayout(middle);
    layout->addWidget(buttons);

    setPrinterName(printerName);
}

QWidget* OutputOptionsDialog::buildDestination() {
    auto* box = new QGroupBox(tr("Destination"), this);
    rbPrinter = named(new QRadioButton(tr("&Printer"), box), "rbPrinter");
    rbPreview = named(new QRadioButton(tr("Pre&view"), box), "rbPreview");
    rbFile = named(new QRadioButton(tr("&File"), box), "rbFile");
    rbPreview->setChecked(true);
    auto* column = new QVBoxLayout(box);
    column->addWidget(rbPrinter);
    column->addWidget(rbPreview);
    column->addWidget(rbFile);
    for (QRadioButton* rb : {rbPrinter, rbPreview, rbFile})
        connect(rb, &QRadioButton::toggled, this, &OutputOptionsDialog::updateEnabled);
    return box;
}

QWidget* OutputOptionsDialog::buildPageRange(int pageCount, int currentPage) {
    auto* box = new QGroupBox(tr("Page range"), this);
    rbAll = named(new QRadioButton(tr("&All"), box), "rbAll");
    rbPages = named(new QRadioButton(tr("Pa&ges"), box), "rbPages");
    rbSelection =
        named(new QRadioButton(tr("&Selection (page %1)").arg(currentPage), box), "rbSelection");
    spinFrom = named(new QSpinBox(box), "spinFrom");
    spinTo = named(new QSpinBox(box), "spinTo");
    spinFrom->setAccessibleName(tr("From page"));
    spinTo->setAccessibleName(tr("To page"));
    for (QSpinBox* spin : {spinFrom, spinTo})
        spin->setRange(1, std::max(1, pageCount));
    spinFrom->setValue(1);
    spinTo->setValue(std::max(1, pageCount));
    rbAll->setChecked(true);
    auto* grid = new QGridLayout(box);
    grid->addWidget(rbAll, 0, 0, 1, 4);
    grid->addWidget(rbPages, 1, 0);
    grid->addWidget(spinFrom, 1, 1);
    grid->addWidget(new QLabel(tr("to"), box), 1, 2);
    grid->addWidget(spinTo, 1, 3);
    grid->addWidget(rbSelection, 2, 0, 1, 4);
    for (QRadioButton* rb : {rbAll, rbPages, rbSelection})
        connect(rb, &QRadioButton::toggled, this, &OutputOptionsDialog::updateEnabled);
    return box;
}

QWidget* OutputOptionsDialog::buildCopies() {
    auto* box = new QGroupBox(tr("Copies"), this);
    spinCopies = named(new QSpinBox(box), "spinCopies");
    spinCopies->setRange(1, 999);
    spinCopies->setAccessibleName(tr("Number of copies"));
    auto* copiesLabel = new QLabel(tr("Number of &copies:"), box);
    copiesLabel->setBuddy(spinCopies);
    cbCollate = named(new QCheckBox(tr("C&ollate"), box), "cbCollate");
    cbCollate->setChecked(true);
    cbDuplex = named(new QCheckBox(tr("&Duplex"), box), "cbDuplex");
    auto* grid = new QGridLayout(box);
    grid->addWidget(copiesLabel, 0, 0);
    grid->addWidget(spinCopies, 0, 1);
    grid->addWidget(cbCollate, 1, 0, 1, 2);
    grid->addWidget(cbDuplex, 2, 0, 1, 2);
    return box;
}

void OutputOptionsDialog::setPrinterName(const QString& printerName) {
    hasPrinter_ = !printerName.isEmpty();
    lblPrinter->setText(hasPrinter_ ? printerName : tr("No printers installed!"));
    if (!hasPrinter_ && rbPrinter && rbPrinter->isChecked())
        rbPreview->setChecked(true);
    updateEnabled();
}

void OutputOptionsDialog::setDuplexAvailable(bool available) {
    duplexAvailable_ = available;
    if (!available)
        cbDuplex->setChecked(false);
    updateEnabled();
}

void OutputOptionsDialog::updateEnabled() {
    btnSetup->setEnabled(hasPrinter_);
    const bool toPrinter = mode_ == Mode::PageRange || (rbPrinter && rbPrinter->isChecked());
    spinCopies->setEnabled(hasPrinter_ && toPrinter);
    cbCollate->setEnabled(hasPrinter_ && toPrinter);
    cbDuplex->setEnabled(hasPrinter_ && toPrinter && duplexAvailable_);
    if (rbPrinter)
        rbPrinter->setEnabled(hasPrinter_);
    if (spinFrom) {
        spinFrom->setEnabled(rbPages->isChecked());
        spinTo->setEnabled(rbPages->isChecked());
    }
    // Printing from the preview needs a printer; the preview itself does not.
    btnOK->setEnabled(mode_ == Mode::Destination || hasPrinter_);
}

void OutputOptionsDialog::setOptions(const OutputOptions& options) {
    if (rbPrinter) {
        QRadioButton* rb = options.destination == Destination::Printer ? rbPrinter
                           : options.destination == Destination::File  ? rbFile
                                                                       : rbPreview;
        if (rb->isEnabled())
            rb->setChecked(true);
    }
    spinCopies->setValue(options.copies);
    cbCollate->setChecked(options.collate);
    cbDuplex->setChecked(options.duplex && duplexAvailable_);
}

OutputOptions OutputOptionsDialog::options() const {
    OutputOptions o;
    if (rbPrinter) {
        o.destination = rbPrinter->isChecked() ? Destination::Printer
                        : rbFile->isChecked()  ? Destination::File
                                               : Destination::Preview;
    } else {
        o.destination = Destination::Printer;
        if (rbAll->isChecked()) {
            o.fromPage = spinFrom->minimum();
            o.toPage = spinTo->maximum();
        } else if (rbSelection->isChecked()) {
            o.fromPage = o.toPage = currentPage_;
        } else {
            o.fromPage = std::min(spinFrom->value(), spinTo->value());
            o.toPage = std::max(spinFrom->value(), spinTo->value());
        }
    }
    o.copies = spinCopies->value();
    o.collate = cbCollate->isChecked();
    o.duplex = duplexAvailable_ && cbDuplex->isChecked();
    return o;
}

} // namespace report

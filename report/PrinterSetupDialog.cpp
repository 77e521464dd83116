#include "report/PrinterSetupDialog.h"

#include "report/Named.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace report {

namespace {

// Offered when no printer is installed, so the choice can still be made.
QList<QPageSize> standardPageSizes() {
    QList<QPageSize> sizes;
    for (QPageSize::PageSizeId id :
         {QPageSize::Letter, QPageSize::Legal, QPageSize::Executive, QPageSize::A4, QPageSize::A5,
          QPageSize::B5, QPageSize::Envelope10, QPageSize::EnvelopeDL})
        sizes.append(QPageSize(id));
    return sizes;
}

QString sourceName(QPrinter::PaperSource source) {
    switch (source) {
    case QPrinter::OnlyOne:
        return QObject::tr("Upper Tray");
    case QPrinter::Lower:
        return QObject::tr("Lower Tray");
    case QPrinter::Middle:
        return QObject::tr("Middle Tray");
    case QPrinter::Manual:
        return QObject::tr("Manual Feed");
    case QPrinter::Envelope:
        return QObject::tr("Envelope");
    case QPrinter::EnvelopeManual:
        return QObject::tr("Manual Envelope");
    case QPrinter::Tractor:
        return QObject::tr("Tractor Feed");
    case QPrinter::SmallFormat:
        return QObject::tr("Small Format");
    case QPrinter::LargeFormat:
        return QObject::tr("Large Format");
    case QPrinter::LargeCapacity:
        return QObject::tr("Large Capacity");
    case QPrinter::Cassette:
        return QObject::tr("Cassette");
    case QPrinter::FormSource:
        return QObject::tr("Form Source");
    case QPrinter::CustomSource:
        return QObject::tr("Printer Default");
    default:
        return QObject::tr("Automatically Select");
    }
}

} // namespace

PrinterSetup setupOf(const QPrinter& printer, const QString& printerName) {
    PrinterSetup setup;
    setup.printerName = printerName;
    setup.pageSize = printer.pageLayout().pageSize();
    setup.paperSource = printer.paperSource();
    setup.orientation = printer.pageLayout().orientation();
    return setup;
}

void applySetup(const PrinterSetup& setup, QPrinter& printer) {
    printer.setPageSize(setup.pageSize);
    printer.setPageOrientation(setup.orientation);
    printer.setPaperSource(setup.paperSource);
}

PrinterSetupDialog::PrinterSetupDialog(const QString& caption, QList<PrinterCapabilities> printers,
                                       QWidget* parent)
    : QDialog(parent), printers_(std::move(printers)) {
    setObjectName(QStringLiteral("PrinterSetup"));
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    named(buttons->button(QDialogButtonBox::Ok), "btnOK");
    named(buttons->button(QDialogButtonBox::Cancel), "btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* lower = new QHBoxLayout;
    lower->addWidget(buildPaper(), 1);
    lower->addWidget(buildOrientation());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPrinter());
    layout->addLayout(lower);
    layout->addWidget(buttons);

    connect(cbPrinter, &QComboBox::currentIndexChanged, this, &PrinterSetupDialog::printerChanged);
    printerChanged();
}

QWidget* PrinterSetupDialog::buildPrinter() {
    auto* box = new QGroupBox(tr("Printer"), this);
    cbPrinter = named(new QComboBox(box), "cbPrinter");
    for (const PrinterCapabilities& p : printers_)
        cbPrinter->addItem(p.name);
    if (printers_.isEmpty()) {
        cbPrinter->addItem(tr("No printers installed!"));
        cbPrinter->setEnabled(false);
    }
    lblWhere = named(new QLabel(box), "lblWhere");
    lblDuplex = named(new QLabel(box), "lblDuplex");
    auto* form = new QFormLayout(box);
    form->addRow(tr("&Name:"), cbPrinter);
    form->addRow(tr("Where:"), lblWhere);
    form->addRow(tr("Two-sided:"), lblDuplex);
    return box;
}

QWidget* PrinterSetupDialog::buildPaper() {
    auto* box = new QGroupBox(tr("Paper"), this);
    cbPaperSize = named(new QComboBox(box), "cbPaperSize");
    cbPaperSource = named(new QComboBox(box), "cbPaperSource");
    auto* form = new QFormLayout(box);
    form->addRow(tr("Si&ze:"), cbPaperSize);
    form->addRow(tr("&Source:"), cbPaperSource);
    return box;
}

QWidget* PrinterSetupDialog::buildOrientation() {
    auto* box = new QGroupBox(tr("Orientation"), this);
    rbPortrait = named(new QRadioButton(tr("P&ortrait"), box), "rbPortrait");
    rbLandscape = named(new QRadioButton(tr("&Landscape"), box), "rbLandscape");
    rbPortrait->setChecked(true);
    auto* column = new QVBoxLayout(box);
    column->addWidget(rbPortrait);
    column->addWidget(rbLandscape);
    return box;
}

const PrinterCapabilities* PrinterSetupDialog::chosenPrinter() const {
    if (printers_.isEmpty())
        return nullptr;
    return &printers_.at(std::max(0, cbPrinter->currentIndex()));
}

// Each printer offers its own papers and trays; the chosen size stays when the new
// printer has it too.
void PrinterSetupDialog::printerChanged() {
    const PrinterCapabilities* printer = chosenPrinter();
    const QVariant keptSize = cbPaperSize->currentData();
    const QVariant keptSource = cbPaperSource->currentData();

    cbPaperSize->clear();
    const QList<QPageSize> sizes =
        printer && !printer->pageSizes.isEmpty() ? printer->pageSizes : standardPageSizes();
    for (const QPageSize& size : sizes)
        cbPaperSize->addItem(size.name(), QVariant::fromValue(size));
    cbPaperSource->clear();
    QList<QPrinter::PaperSource> sources =
        printer ? printer->paperSources : QList<QPrinter::PaperSource>();
    if (sources.isEmpty())
        sources = {QPrinter::Auto};
    for (QPrinter::PaperSource source : sources)
        cbPaperSource->addItem(sourceName(source), static_cast<int>(source));

    lblWhere->setText(printer ? printer->location : QString());
    lblDuplex->setText(printer && printer->duplex ? tr("Yes") : tr("No"));
    if (keptSize.isValid())
        selectPageSize(keptSize.value<QPageSize>());
    else if (printer && printer->defaultPageSize.isValid())
        selectPageSize(printer->defaultPageSize);
    if (keptSource.isValid() && cbPaperSource->findData(keptSource) >= 0)
        cbPaperSource->setCurrentIndex(cbPaperSource->findData(keptSource));
}

void PrinterSetupDialog::selectPageSize(const QPageSize& size) {
    for (int i = 0; i < cbPaperSize->count(); ++i)
        if (cbPaperSize->itemData(i).value<QPageSize>().isEquivalentTo(size)) {
            cbPaperSize->setCurrentIndex(i);
            return;
        }
}

void PrinterSetupDialog::setSetup(const PrinterSetup& setup) {
    const int index = cbPrinter->findText(setup.printerName);
    if (index >= 0 && !printers_.isEmpty())
        cbPrinter->setCurrentIndex(index);
    selectPageSize(setup.pageSize);
    const int source = cbPaperSource->findData(static_cast<int>(setup.paperSource));
    if (source >= 0)
        cbPaperSource->setCurrentIndex(source);
    (setup.orientation == QPageLayout::Landscape ? rbLandscape : rbPortrait)->setChecked(true);
}

PrinterSetup PrinterSetupDialog::setup() const {
    PrinterSetup s;
    if (const PrinterCapabilities* printer = chosenPrinter())
        s.printerName = printer->name;
    s.pageSize = cbPaperSize->currentData().value<QPageSize>();
    s.paperSource = static_cast<QPrinter::PaperSource>(cbPaperSource->currentData().toInt());
    s.orientation = rbLandscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return s;
}

} // namespace report

#include "app/Main.h"
#include "app/ModalSeam.h"
#include "controls/NotesMemo.h"
#include "report/OutputOptions.h"
#include "report/PrinterCatalog.h"
#include "report/ReportPainter.h"
#include "report/ReportStatus.h"
#include "share/PrintCommands.h"
#include "share/ShoppingReport.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

// What a poppler tool prints about the file, or nothing when it cannot run.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess p;
    p.start(tool, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const std::string& path) {
    return popplerOutput(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")});
}

// The first group of the pattern in pdfinfo's report on the file, empty when absent.
QString pdfInfoField(const std::string& path, const QString& pattern) {
    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {QString::fromStdString(path)});
    const auto m = QRegularExpression(pattern).match(info);
    return m.hasMatch() ? m.captured(1) : QString();
}

int pdfPages(const std::string& path) {
    const QString pages = pdfInfoField(path, QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.isEmpty() ? -1 : pages.toInt();
}

QString pdfTitle(const std::string& path) {
    return pdfInfoField(path, QStringLiteral("Title:\\s+(.*)\\n")).trimmed();
}

QString pdfPageSize(const std::string& path) {
    return pdfInfoField(path, QStringLiteral("Page size:\\s+([0-9.]+ x [0-9.]+)"));
}

// Two print queues that exist only here: each "printer" writes a PDF named after it.
class FakeCatalog : public report::PrinterCatalog {
public:
    explicit FakeCatalog(std::string folder) : folder_(std::move(folder)) {
        report::PrinterCapabilities kitchen;
        kitchen.name = QStringLiteral("Kitchen");
        kitchen.location = QStringLiteral("Downstairs");
        kitchen.pageSizes = {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4)};
        kitchen.defaultPageSize = QPageSize(QPageSize::Letter);
        kitchen.paperSources = {QPrinter::Auto, QPrinter::Manual};
        kitchen.duplex = true;
        report::PrinterCapabilities office;
        office.name = QStringLiteral("Office");
        office.location = QStringLiteral("Upstairs");
        office.pageSizes = {QPageSize(QPageSize::A4), QPageSize(QPageSize::Legal)};
        office.defaultPageSize = QPageSize(QPageSize::A4);
        printers_ = {kitchen, office};
    }
    QList<report::PrinterCapabilities> printers() const override { return printers_; }
    QString defaultPrinterName() const override { return defaultName; }
    std::unique_ptr<QPrinter> makePrinter(const report::PrinterCapabilities& p) const override {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(pdfOf(p.name)));
        printer->setPageSize(p.defaultPageSize);
        return printer;
    }
    std::string pdfOf(const QString& name) const { return folder_ + name.toStdString() + ".pdf"; }

    QString defaultName = QStringLiteral("Office");

private:
    std::string folder_;
    QList<report::PrinterCapabilities> printers_;
};

QStringList comboItems(QWidget* dialog, const char* name) {
    auto* combo = dialog->findChild<QComboBox*>(QString::fromLatin1(name));
    QStringList items;
    for (int i = 0; combo && i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

QString comboText(QWidget* dialog, const char* name) {
    return dialog->findChild<QComboBox*>(QString::fromLatin1(name))->currentText();
}

void choose(QWidget* dialog, const char* combo, const QString& text) {
    auto* box = dialog->findChild<QComboBox*>(QString::fromLatin1(combo));
    ASSERT_GE(box->findText(text), 0) << text.toStdString();
    box->setCurrentIndex(box->findText(text));
}

// Positions of the needles in the text, in the order given; -1 for one missing or out
// of order.
bool inOrder(const QString& text, const QStringList& needles) {
    qsizetype at = 0;
    for (const QString& n : needles) {
        at = text.indexOf(n, at);
        if (at < 0) {
            ADD_FAILURE() << "missing or out of order: " << n.toStdString();
            return false;
        }
        at += n.size();
    }
    return true;
}

void tick(TfrmMain& w, int category, const std::string& text) {
    auto& list = w.document().list(category);
    list.setTicked(list.append(text), true);
}

// Answers the next Output Options with a destination.
void chooseDestination(const char* radio) {
    ModalSeam::push([radio](const ModalSeam::Request& r) {
        EXPECT_EQ(r.caption, QStringLiteral("Output Options"));
        r.dialog->findChild<QRadioButton*>(QString::fromLatin1(radio))->setChecked(true);
        return ModalSeam::Answer{QDialog::Accepted, {}};
    });
}

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ModalSeam::clear();
        window.printCommands().setClock([] { return QDate(2004, 8, 16); });
        tick(window, 0, "Milk\t2");
        tick(window, 0, "Cheese\t1");
        tick(window, 1, "Ham\t1");
        window.notes()->setPlainText(QStringLiteral("Buy bread"));
    }
    void TearDown() override { ModalSeam::clear(); }

    TempAppDir dir;
    TfrmMain window;
};

} // namespace

TEST_F(PrintCommand, fileOutputIsAPdfWithTheListInOrder) {
    const std::string path = dir.file("list.pdf");
    chooseDestination("rbFile");
    ModalSeam::pushPath(QString::fromStdString(path));
    window.MainMenuFilePrintClick();
    EXPECT_FALSE(ModalSeam::hasPending());
    const QString text = pdfText(path);
    EXPECT_TRUE(inOrder(text, {"Shopping List", "for :", "August 16, 2004", "DAIRY", "Milk", "2",
                               "Cheese", "1", "MEAT", "Ham", "1", "Notes", "Buy bread"}))
        << text.toStdString();
    EXPECT_EQ(pdfPages(path), 1);
    EXPECT_EQ(pdfTitle(path), QStringLiteral("Provendo Report"));
}

TEST_F(PrintCommand, pdfShowsTheMonthAsTheUsersLocaleSpellsIt) {
    const QLocale saved;
    const std::vector<std::pair<QLocale::Language, QString>> cases{
        {QLocale::French, QStringLiteral("août 16, 2004")},
        {QLocale::Russian, QStringLiteral("августа 16, 2004")},
        {QLocale::Greek, QStringLiteral("Αυγούστου 16, 2004")},
        {QLocale::Japanese, QStringLiteral("8月 16, 2004")}};
    for (const auto& [language, date] : cases) {
        QLocale::setDefault(QLocale(language));
        const std::string path = dir.file(QLocale::languageToCode(language).toStdString() + ".pdf");
        chooseDestination("rbFile");
        ModalSeam::pushPath(QString::fromStdString(path));
        window.MainMenuFilePrintClick();
        const QString text = pdfText(path);
        EXPECT_TRUE(inOrder(text, {"Shopping List", "for :", date, "DAIRY"})) << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1Char('?'))) << text.toStdString();
    }
    QLocale::setDefault(saved);
}

TEST_F(PrintCommand, longListRunsOverPagesWithTheTitleOnEach) {
    for (int i = 0; i < 47; ++i)
        tick(window, 2, "Carrot " + std::to_string(i) + "\t1");
    const std::string path = dir.file("long.pdf");
    chooseDestination("rbFile");
    ModalSeam::pushPath(QString::fromStdString(path));
    window.MainMenuFilePrintClick();
    EXPECT_EQ(pdfPages(path), 2);
    const QString text = pdfText(path);
    EXPECT_EQ(text.count(QStringLiteral("Shopping List")), 2);
    // Seven rows for Dairy and Meat, then the spacer and heading: 37 carrots on page 1.
    EXPECT_TRUE(inOrder(
        text, {"VEGETABLES", "Carrot 36", "Shopping List", "Carrot 37", "Carrot 46", "Notes"}));
}

TEST_F(PrintCommand, cancelInOutputOptionsProducesNothing) {
    ModalSeam::pushResult(QDialog::Rejected);
    window.MainMenuFilePrintClick();
    EXPECT_EQ(ModalSeam::history().size(), 1u); // no preview, no file dialog
    // The tables hold the new fill all the same.
    auto& items = window.printCommands().tables().tblItems;
    items.open();
    EXPECT_EQ(items.recordCount(), 7u);
    items.close();
}

TEST_F(PrintCommand, previewIsModalMaximisedAndShowsEveryPage) {
    int pages = 0;
    ModalSeam::pushResult(QDialog::Accepted); // Preview is the destination offered first
    ModalSeam::push([&pages](const ModalSeam::Request& r) {
        EXPECT_EQ(r.caption, QStringLiteral("Report Preview"));
        EXPECT_TRUE(r.dialog->windowState() & Qt::WindowMaximized);
        pages = r.dialog->findChild<QLabel*>(QStringLiteral("lblPage"))->text() ==
                        QStringLiteral("Page 1 of 1")
                    ? 1
                    : -1;
        return ModalSeam::Answer{QDialog::Accepted, {}};
    });
    window.MainMenuFilePrintClick();
    EXPECT_EQ(pages, 1);
}

TEST_F(PrintCommand, printerOutputCarriesTheJobName) {
    const std::string path = dir.file("printer.pdf");
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    window.printCommands().reportSystem().setPrinter(std::move(printer),
                                                     QStringLiteral("Test on PDF"));
    ModalSeam::push([](const ModalSeam::Request& r) {
        auto* label = r.dialog->findChild<QLabel*>(QStringLiteral("lblPrinter"));
        EXPECT_EQ(label->text(), QStringLiteral("Test on PDF"));
        r.dialog->findChild<QRadioButton*>(QStringLiteral("rbPrinter"))->setChecked(true);
        return ModalSeam::Answer{QDialog::Accepted, {}};
    });
    window.MainMenuFilePrintClick();
    EXPECT_EQ(pdfTitle(path), QStringLiteral("Provendo Report"));
    EXPECT_TRUE(inOrder(pdfText(path), {"Shopping List", "DAIRY", "Milk", "Notes"}));
}

TEST_F(PrintCommand, fileWriteFailureIsReportedAndLeavesNoFile) {
    const std::string path = dir.file("missing-folder/list.pdf");
    chooseDestination("rbFile");
    ModalSeam::pushPath(QString::fromStdString(path));
    EXPECT_THROW(window.MainMenuFilePrintClick(), std::runtime_error);
}

TEST_F(PrintCommand, printSetupShowsTheSetupDialogAndLeavesTheReportPrinterAlone) {
    const QString before = window.printCommands().reportSystem().printerName();
    ModalSeam::pushResult(QDialog::Accepted);
    window.MainMenuFilePrintSetupClick();
    ASSERT_EQ(ModalSeam::history().size(), 1u);
    EXPECT_EQ(ModalSeam::history()[0].caption, QStringLiteral("Print Setup"));
    EXPECT_EQ(window.printCommands().reportSystem().printerName(), before);
}

TEST_F(PrintCommand, printSetupOffersPrinterPaperSourceAndOrientationAndPrintsNothing) {
    auto catalog = std::make_shared<FakeCatalog>(dir.path());
    window.printCommands().reportSystem().setPrinterCatalog(catalog);
    ModalSeam::push([](const ModalSeam::Request& r) {
        QWidget* d = r.dialog;
        EXPECT_EQ(r.caption, QStringLiteral("Print Setup"));
        EXPECT_EQ(comboItems(d, "cbPrinter"), (QStringList{"Kitchen", "Office"}));
        EXPECT_EQ(comboText(d, "cbPrinter"), QStringLiteral("Office"));
        EXPECT_EQ(comboItems(d, "cbPaperSize").size(), 2);
        EXPECT_TRUE(comboText(d, "cbPaperSize").startsWith(QStringLiteral("A4")));
        EXPECT_TRUE(d->findChild<QRadioButton*>(QStringLiteral("rbPortrait"))->isChecked());
        EXPECT_NE(d->findChild<QRadioButton*>(QStringLiteral("rbLandscape")), nullptr);
        QStringList buttons;
        for (auto* b : d->findChildren<QPushButton*>())
            buttons.append(b->text().remove(QLatin1Char('&')));
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{"Cancel", "OK"}));
        // Another printer brings its own papers and trays; A4 stays chosen.
        choose(d, "cbPrinter", QStringLiteral("Kitchen"));
        EXPECT_TRUE(comboText(d, "cbPaperSize").startsWith(QStringLiteral("A4")));
        EXPECT_EQ(comboItems(d, "cbPaperSource").size(), 2);
        d->findChild<QRadioButton*>(QStringLiteral("rbLandscape"))->setChecked(true);
        return ModalSeam::Answer{QDialog::Accepted, {}};
    });
    window.MainMenuFilePrintSetupClick();
    EXPECT_FALSE(ModalSeam::hasPending());
    EXPECT_EQ(window.printCommands().printSetup().printerName, QStringLiteral("Kitchen"));
    EXPECT_EQ(window.printCommands().printSetup().orientation, QPageLayout::Landscape);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(catalog->pdfOf(QStringLiteral("Kitchen")))));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(catalog->pdfOf(QStringLiteral("Office")))));
    // The report's printer is not the application's selection.
    EXPECT_EQ(window.printCommands().reportSystem().printerName(),
              QStringLiteral("Office on Upstairs"));

    // Cancel keeps the selection as it was.
    ModalSeam::push([](const ModalSeam::Request& r) {
        EXPECT_EQ(comboText(r.dialog, "cbPrinter"), QStringLiteral("Kitchen"));
        choose(r.dialog, "cbPrinter", QStringLiteral("Office"));
        return ModalSeam::Answer{QDialog::Rejected, {}};
    });
    window.MainMenuFilePrintSetupClick();
    EXPECT_EQ(window.printCommands().printSetup().printerName, QStringLiteral("Kitchen"));
}

TEST_F(PrintCommand, outputOptionsSetupChoosesThePrinterPaperAndOrientationOfThePrint) {
    auto catalog = std::make_shared<FakeCatalog>(dir.path());
    window.printCommands().reportSystem().setPrinterCatalog(catalog);
    ModalSeam::push([](const ModalSeam::Request& r) {
        QWidget* d = r.dialog;
        EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("lblPrinter"))->text(),
                  QStringLiteral("Office on Upstairs"));
        d->findChild<QRadioButton*>(QStringLiteral("rbPrinter"))->setChecked(true);
        auto* duplex = d->findChild<QCheckBox*>(QStringLiteral("cbDuplex"));
        EXPECT_FALSE(duplex->isEnabled()); // Office prints on one side only
        d->findChild<QPushButton*>(QStringLiteral("btnSetup"))->click();
        EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("lblPrinter"))->text(),
                  QStringLiteral("Kitchen on Downstairs"));
        EXPECT_TRUE(duplex->isEnabled());
        return ModalSeam::Answer{QDialog::Accepted, {}};
    });
    ModalSeam::push([](const ModalSeam::Request& r) {
        EXPECT_EQ(r.caption, QStringLiteral("Printer Setup"));
        EXPECT_EQ(comboText(r.dialog, "cbPrinter"), QStringLiteral("Office"));
        choose(r.dialog, "cbPrinter", QStringLiteral("Kitchen"));
        choose(r.dialog, "cbPaperSize", QPageSize(QPageSize::A4).name());
        r.dialog->findChild<QRadioButton*>(QStringLiteral("rbLandscape"))->setChecked(true);
        return ModalSeam::Answer{QDialog::Accepted, {}};
    });
    window.MainMenuFilePrintClick();
    EXPECT_FALSE(ModalSeam::hasPending());
    const std::string printed = catalog->pdfOf(QStringLiteral("Kitchen"));
    EXPECT_TRUE(inOrder(pdfText(printed), {"Shopping List", "DAIRY", "Milk", "Notes"}));
    EXPECT_EQ(pdfPageSize(printed), QStringLiteral("842 x 595")); // A4 landscape
    EXPECT_FALSE(QFile::exists(QString::fromStdString(catalog->pdfOf(QStringLiteral("Office")))));
}

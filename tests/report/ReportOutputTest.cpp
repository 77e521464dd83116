#include "app/Main.h"
#include "app/MainPrint.h"
#include "app/ModalSeam.h"
#include "controls/NotesMemo.h"
#include "report/OutputOptions.h"
#include "report/ReportPainter.h"
#include "report/ReportStatus.h"
#include "share/ShoppingReport.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

QString pdfText(const std::string& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const std::string& path) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {QString::fromStdString(path)});
    p.waitForFinished(30000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pdfTitle(const std::string& path) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {QString::fromStdString(path)});
    p.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral("Title:\\s+(.*)\\n"))
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
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

TEST(OutputOptions, withoutPrinterOnlyPreviewAndFileCanBeChosen) {
    report::OutputOptionsDialog d(report::OutputOptionsDialog::Mode::Destination,
                                  QStringLiteral("Output Options"), QString(), 0, 0);
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblPrinter"))->text(),
              QStringLiteral("No printers installed!"));
    EXPECT_FALSE(d.findChild<QRadioButton*>(QStringLiteral("rbPrinter"))->isEnabled());
    EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("rbPreview"))->isChecked());
    EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("btnSetup"))->isEnabled());
    EXPECT_FALSE(d.findChild<QCheckBox*>(QStringLiteral("cbDuplex"))->isEnabled());
    EXPECT_EQ(d.options().destination, report::Destination::Preview);
}

TEST(OutputOptions, pageRangeFromPreview) {
    report::OutputOptionsDialog d(report::OutputOptionsDialog::Mode::PageRange,
                                  QStringLiteral("Output Options"), QStringLiteral("P on Q"), 9, 4);
    EXPECT_EQ(d.options().fromPage, 1);
    EXPECT_EQ(d.options().toPage, 9);
    d.findChild<QRadioButton*>(QStringLiteral("rbSelection"))->setChecked(true);
    EXPECT_EQ(d.options().fromPage, 4);
    EXPECT_EQ(d.options().toPage, 4);
    d.findChild<QRadioButton*>(QStringLiteral("rbPages"))->setChecked(true);
    d.findChild<QSpinBox*>(QStringLiteral("spinFrom"))->setValue(7);
    d.findChild<QSpinBox*>(QStringLiteral("spinTo"))->setValue(3);
    EXPECT_EQ(d.options().fromPage, 3);
    EXPECT_EQ(d.options().toPage, 7);
}

TEST(ReportStatus, showsThePageAndCancelStopsTheNextPage) {
    report::ReportStatus status(QStringLiteral("Report Status"),
                                QStringLiteral("Generating page %p"));
    EXPECT_TRUE(status.pageStarted(12));
    EXPECT_EQ(status.statusLine(), QStringLiteral("Generating page 12"));
    status.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    EXPECT_FALSE(status.pageStarted(13));
}

// The output options dialog and the status window the report engine shows while it
// lays out pages.
#include "report/OutputOptions.h"
#include "report/ReportStatus.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

TEST(OutputOptions, duplexIsOfferedOnlyWhereThePrinterHasIt) {
    report::OutputOptionsDialog d(report::OutputOptionsDialog::Mode::Destination,
                                  QStringLiteral("Output Options"), QStringLiteral("P on Q"), 0, 0);
    auto* duplex = d.findChild<QCheckBox*>(QStringLiteral("cbDuplex"));
    report::OutputOptions wanted;
    wanted.destination = report::Destination::Printer;
    wanted.duplex = true;
    d.setOptions(wanted);
    EXPECT_FALSE(duplex->isEnabled());
    EXPECT_FALSE(d.options().duplex);
    d.setDuplexAvailable(true);
    EXPECT_TRUE(duplex->isEnabled());
    duplex->setChecked(true);
    EXPECT_TRUE(d.options().duplex);
    d.setDuplexAvailable(false);
    EXPECT_FALSE(d.options().duplex);
    EXPECT_FALSE(duplex->isChecked());
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

#include "share/PrintCommands.h"

#include <QDialog>
#include <QLocale>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

QRadioButton* radio(QDialog& dialog, const char* name) {
    return dialog.findChild<QRadioButton*>(QString::fromLatin1(name));
}

class PrintCommandsTest : public testing::Test {
protected:
    PrintCommandsTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~PrintCommandsTest() override { QLocale::setDefault(savedLocale_); }

    // Every dialog of the command is answered here, as the program's modal seam would.
    report::ReportHooks answering(std::function<int(QDialog&)> answer) {
        report::ReportHooks hooks;
        hooks.execDialog = [this, answer](QDialog& dialog) {
            asked_.push_back(dialog.windowTitle());
            return answer(dialog);
        };
        return hooks;
    }

    const QLocale savedLocale_;
    QStringList asked_;
    model::Document document_;
};

} // namespace

TEST_F(PrintCommandsTest, printFillsTheTablesForTheClocksDayBeforeAskingForTheOutput) {
    document_.list(1).setTicked(document_.list(1).append("Ham\t1"), true);
    document_.setNotes("Buy bread");
    share::PrintCommands* command = nullptr;
    std::vector<std::string> seen;
    share::PrintCommands print(answering([&](QDialog&) {
                                   share::ReportTables& t = command->tables();
                                   t.tblItems.open();
                                   for (t.tblItems.first(); !t.tblItems.eof(); t.tblItems.next())
                                       seen.push_back(t.tblItems.field("Item"));
                                   t.tblComments.open();
                                   t.tblComments.first();
                                   seen.push_back(t.tblComments.field("CurrentDate"));
                                   return int(QDialog::Rejected);
                               }),
                               nullptr);
    command = &print;
    print.setClock([] { return QDate(2004, 8, 16); });
    print.print(document_, nullptr);

    EXPECT_EQ(asked_, QStringList{QStringLiteral("Output Options")});
    EXPECT_EQ(seen, (std::vector<std::string>{"", "MEAT", "Ham", "August 16, 2004"}));
}

TEST_F(PrintCommandsTest, printSetupAsksThroughTheHandedInHookAndKeepsOnlyAnAcceptedChoice) {
    int answer = QDialog::Accepted;
    const char* orientation = "rbLandscape";
    share::PrintCommands print(answering([&](QDialog& dialog) {
                                   EXPECT_EQ(dialog.objectName(), QStringLiteral("dlgPrint"));
                                   radio(dialog, orientation)->setChecked(true);
                                   return answer;
                               }),
                               nullptr);
    print.runPrintSetup(nullptr);
    EXPECT_EQ(print.printSetup().orientation, QPageLayout::Landscape);

    answer = QDialog::Rejected;
    orientation = "rbPortrait";
    print.runPrintSetup(nullptr);
    EXPECT_EQ(print.printSetup().orientation, QPageLayout::Landscape);
    EXPECT_EQ(asked_, (QStringList{QStringLiteral("Print Setup"), QStringLiteral("Print Setup")}));
}

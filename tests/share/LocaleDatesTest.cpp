#include "share/LocaleDates.h"
#include "share/ReportTables.h"
#include "share/ShoppingReport.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

const QDate Day(2026, 12, 10);

// The program reads the user's locale through QLocale(); each test sets its own and puts
// the one it found back.
class UserLocale : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(saved_); }
    void use(QLocale::Language language) { QLocale::setDefault(QLocale(language)); }

private:
    QLocale saved_;
};

std::string printedDate(const model::Document& doc) {
    share::ReportTables tables;
    share::FillReportTables(doc, tables, [] { return Day; });
    tables.tblComments.open();
    tables.tblComments.first();
    return tables.tblComments.field("CurrentDate");
}

} // namespace

TEST_F(UserLocale, printedDateSpellsTheMonthInTheLocalesOwnScript) {
    const model::Document doc;
    use(QLocale::French);
    EXPECT_EQ(printedDate(doc), "d\xC3\xA9"
                                "cembre 10, 2026");
    use(QLocale::Russian);
    EXPECT_EQ(printedDate(doc),
              "\xD0\xB4\xD0\xB5\xD0\xBA\xD0\xB0\xD0\xB1\xD1\x80\xD1\x8F 10, 2026");
    use(QLocale::Greek);
    EXPECT_EQ(printedDate(doc), "\xCE\x94\xCE\xB5\xCE\xBA\xCE\xB5\xCE\xBC\xCE\xB2\xCF\x81\xCE\xAF"
                                "\xCE\xBF\xCF\x85 10, 2026");
    use(QLocale::Japanese);
    EXPECT_EQ(printedDate(doc), "12\xE6\x9C\x88 10, 2026");
}

TEST_F(UserLocale, reportReadsTheDateAsTextAndTheNotesAsDocumentBytes) {
    use(QLocale::Russian);
    model::Document doc;
    doc.setNotes("Caf\xE9");
    share::ReportTables tables;
    share::FillReportTables(doc, tables, [] { return Day; });
    const report::ReportData data = share::shoppingListData(tables);
    EXPECT_EQ(data[1].value(0, "CurrentDate"), QStringLiteral("декабря 10, 2026"));
    EXPECT_EQ(data[1].value(0, "Comments"), QStringLiteral("Café"));
}

TEST_F(UserLocale, longDateIsCutToTwentyWholeCharacters) {
    // A Greek September, with a five-digit year, runs past the field.
    use(QLocale::Greek);
    model::Document doc;
    share::ReportTables tables;
    share::FillReportTables(doc, tables, [] { return QDate(12345, 9, 30); });
    const report::ReportData data = share::shoppingListData(tables);
    const QString date = data[1].value(0, "CurrentDate");
    EXPECT_EQ(date.size(), 20);
    EXPECT_TRUE(QLocale(QLocale::Greek).monthName(9).startsWith(date.left(5)));
    EXPECT_FALSE(date.contains(QChar::ReplacementCharacter));
}

TEST(TextFileMonthNames, keepTheCodePageAndFallBackToEnglishWhereItEnds) {
    const share::MonthNames french = share::textFileMonthNames(QLocale(QLocale::French));
    EXPECT_EQ(french[1], "f\xE9vrier");
    EXPECT_EQ(french[11], "d\xE9"
                          "cembre");
    EXPECT_EQ(share::textFileMonthNames(QLocale(QLocale::German))[2], "M\xE4rz");
    for (QLocale::Language language : {QLocale::Russian, QLocale::Greek, QLocale::Japanese}) {
        const share::MonthNames names = share::textFileMonthNames(QLocale(language));
        EXPECT_EQ(names[0], "January") << QLocale::languageToString(language).toStdString();
        EXPECT_EQ(names[11], "December");
        for (const std::string& name : names)
            EXPECT_EQ(name.find('?'), std::string::npos) << name;
    }
    const std::string line = share::longDateText(
        share::calendarDate(Day), share::textFileMonthNames(QLocale(QLocale::Russian)));
    EXPECT_EQ(line, "December 10, 2026");
}

#include "share/ReportTables.h"

#include "platform/TextCodec.h"
#include "share/TickedItemWalk.h"

#include <QLocale>

namespace share {

namespace {

class TableSink : public TickedItemSink {
public:
    explicit TableSink(tables::MemTable& items) : items_(items) {}

    void heading(const std::string& heading) override {
        items_.append();
        items_.post();
        items_.append();
        items_.setField("Item", heading);
        items_.post();
    }

    void entry(const std::string& name, const std::string& quantity) override {
        items_.append();
        items_.setField("Item", name);
        items_.setField("Quantity", quantity);
        items_.post();
    }

private:
    tables::MemTable& items_;
};

} // namespace

ReportTables::ReportTables()
    : tblItems("tblItems", {{"Item", 255}, {"Quantity", 5}}),
      tblComments("tblComments", {{"Comments", 255}, {"CurrentDate", 20}}) {}

QDate systemToday() {
    return QDate::currentDate();
}

std::string reportDate(const QDate& date, const QLocale& locale) {
    return platform::fromQString(locale.toString(date, QStringLiteral("MMMM d, yyyy")));
}

void FillReportTables(const model::Document& document, ReportTables& tables,
                      const ReportClock& clock) {
    tables.tblItems.open();
    tables.tblComments.open();
    tables.tblItems.emptyTable();
    tables.tblComments.emptyTable();

    TableSink sink(tables.tblItems);
    walkTickedItems(document, sink);

    tables.tblComments.append();
    tables.tblComments.setField("Comments", document.notes());
    tables.tblComments.setField("CurrentDate", reportDate(clock(), QLocale::system()));
    tables.tblComments.post();

    tables.tblItems.close();
    tables.tblComments.close();
}

} // namespace share

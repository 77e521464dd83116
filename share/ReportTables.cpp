#include "share/ReportTables.h"

#include "share/LocaleDates.h"
#include "share/TickedItemWalk.h"

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
      tblComments("tblComments",
                  {{"Comments", 255}, {"CurrentDate", 20, tables::FieldText::Utf8}}) {}

void FillReportTables(const model::Document& document, ReportTables& tables, const Clock& clock) {
    tables.tblItems.open();
    tables.tblComments.open();
    tables.tblItems.emptyTable();
    tables.tblComments.emptyTable();

    TableSink sink(tables.tblItems);
    walkTickedItems(document, sink);

    tables.tblComments.append();
    tables.tblComments.setField("Comments", document.notes());
    tables.tblComments.setField("CurrentDate", printDateText(clock(), QLocale()));
    tables.tblComments.post();

    tables.tblItems.close();
    tables.tblComments.close();
}

} // namespace share

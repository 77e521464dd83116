#include "share/ShoppingReport.h"

#include "platform/TextCodec.h"

namespace share {

namespace {

using report::inches;
using report::ItemKind;

const QString Trebuchet = QStringLiteral("Trebuchet MS");
const QString Arial = QStringLiteral("Arial");

report::ItemDef text(const char* name, double left, double top, double width, double points,
                     const QString& shows) {
    report::ItemDef item;
    item.name = QString::fromLatin1(name);
    item.kind = ItemKind::Text;
    item.left = inches(left);
    item.top = inches(top);
    item.width = inches(width);
    item.font = {Trebuchet, points};
    item.text = shows;
    return item;
}

report::ItemDef data(const char* name, ItemKind kind, double left, double top, double width,
                     const QString& family, int view, const char* field) {
    report::ItemDef item;
    item.name = QString::fromLatin1(name);
    item.kind = kind;
    item.left = inches(left);
    item.top = inches(top);
    item.width = inches(width);
    item.font = {family, 10};
    item.view = view;
    item.field = QString::fromLatin1(field);
    return item;
}

report::ReportDef buildDefinition() {
    report::ReportDef def;
    def.name = QStringLiteral("Report1");
    def.pageName = QStringLiteral("Page1");
    def.pageWidth = inches(8.5);
    def.pageHeight = inches(11.0);
    def.views = {
        {QStringLiteral("DataView1"),
         QStringLiteral("dsConnItems"),
         {QStringLiteral("Item"), QStringLiteral("Quantity")}},
        {QStringLiteral("DataView2"),
         QStringLiteral("dsConnComments"),
         {QStringLiteral("Comments"), QStringLiteral("CurrentDate")}},
    };

    report::RegionDef& region = def.region;
    region.name = QStringLiteral("Region1");
    region.left = inches(0.1);
    region.top = inches(0.2);
    region.width = inches(8.0);
    region.height = inches(9.8);

    report::BandDef header{QStringLiteral("Band1"), report::BandKind::Header, inches(0.5), -1, {}};
    header.items = {
        text("Text1", 0.2, 0.0, 2.1, 24, QStringLiteral("Shopping List")),
        text("Text15", 2.4, 0.2, 0.3, 10, QStringLiteral("for :")),
        data("DataText2", ItemKind::DataText, 2.7, 0.2, 2.6, Arial, 1, "CurrentDate"),
    };

    report::BandDef items{QStringLiteral("DataBand1"), report::BandKind::Data, inches(0.2), 0, {}};
    items.items = {
        data("DataText1", ItemKind::DataText, 0.2, 0.0, 3.2, Trebuchet, 0, "Item"),
        data("DataText3", ItemKind::DataText, 3.4, 0.0, 2.4, Trebuchet, 0, "Quantity"),
    };

    report::BandDef notes{QStringLiteral("DataBand2"), report::BandKind::Data, inches(1.4), 1, {}};
    report::ItemDef memo =
        data("DataMemo1", ItemKind::DataMemo, 0.2, 0.3, 6.8, Trebuchet, 1, "Comments");
    memo.height = inches(1.0);
    notes.items = {text("Text2", 0.2, 0.1, 1.0, 10, QStringLiteral("Notes")), memo};

    region.bands = {header, items, notes};
    return def;
}

bool holdsUtf8(const tables::MemTable& table, const std::string& field) {
    for (const tables::FieldDef& def : table.fields())
        if (def.name == field)
            return def.text == tables::FieldText::Utf8;
    return false;
}

report::ViewRows readTable(tables::MemTable& table, const QStringList& fields) {
    const bool wasOpen = table.isOpen();
    table.open();
    report::ViewRows view;
    view.fields = fields;
    view.rows.reserve(table.recordCount());
    std::vector<std::pair<std::string, bool>> columns;
    for (const QString& field : fields)
        columns.emplace_back(field.toStdString(), holdsUtf8(table, field.toStdString()));
    for (table.first(); !table.eof(); table.next()) {
        QStringList row;
        row.reserve(fields.size());
        for (const auto& [name, utf8] : columns) {
            const std::string& value = table.field(name);
            row.append(utf8 ? QString::fromStdString(value) : platform::toQString(value));
        }
        view.rows.push_back(std::move(row));
    }
    if (!wasOpen)
        table.close();
    return view;
}

} // namespace

const report::ReportDef& shoppingListReport() {
    static const report::ReportDef definition = buildDefinition();
    return definition;
}

report::ReportData shoppingListData(ReportTables& tables) {
    const report::ReportDef& def = shoppingListReport();
    return {readTable(tables.tblItems, def.views[0].fields),
            readTable(tables.tblComments, def.views[1].fields)};
}

report::ReportSettings shoppingListReportSettings() {
    report::ReportSettings settings;
    settings.optionsCaption = QStringLiteral("Output Options");
    settings.statusCaption = QStringLiteral("Report Status");
    settings.previewCaption = QStringLiteral("Report Preview");
    settings.statusText = QStringLiteral("Generating page %p");
    settings.documentName = QStringLiteral("Provendo Report");
    settings.initialDestination = report::Destination::Preview;
    return settings;
}

} // namespace share

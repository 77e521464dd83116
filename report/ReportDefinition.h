#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace report {

// Report measures are whole thousandths of an inch, so that stacking bands of 0.2 in
// never drifts by rounding.
using Mils = int;
constexpr Mils inches(double value) {
    return static_cast<Mils>(value * 1000.0 + (value >= 0 ? 0.5 : -0.5));
}

struct FontSpec {
    QString family;
    double pointSize = 10.0;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Text prints as given and is never cut; DataText prints one field on one line, cut at
// the item's width; DataMemo wraps its field at the item's width and grows downward.
enum class ItemKind { Text, DataText, DataMemo };

struct ItemDef {
    QString name;
    ItemKind kind = ItemKind::Text;
    Mils left = 0;
    Mils top = 0;
    Mils width = 0;
    Mils height = 0; // design height of a memo; text items take one line
    FontSpec font;
    QString text;  // Text
    int view = -1; // DataText, DataMemo: index into ReportDef::views
    QString field;
};

// A Header band prints at the top of the region on every page; a Data band prints once
// per row of its data view, in row order.
enum class BandKind { Header, Data };

struct BandDef {
    QString name;
    BandKind kind = BandKind::Data;
    Mils height = 0;
    int view = -1;
    std::vector<ItemDef> items;
};

struct RegionDef {
    QString name;
    Mils left = 0;
    Mils top = 0;
    Mils width = 0;
    Mils height = 0;
    std::vector<BandDef> bands; // top to bottom
};

struct DataViewDef {
    QString name;
    QString connection;
    QStringList fields;
};

struct ReportDef {
    QString name;
    QString pageName;
    Mils pageWidth = 0;
    Mils pageHeight = 0;
    std::vector<DataViewDef> views;
    RegionDef region;
};

// The rows a data view delivers, read before layout starts.
struct ViewRows {
    QStringList fields;
    std::vector<QStringList> rows;
    // Empty for a missing row or field: an empty field prints nothing.
    QString value(std::size_t row, const QString& field) const;
};

// One entry per data view of the definition, in the same order.
using ReportData = std::vector<ViewRows>;

} // namespace report

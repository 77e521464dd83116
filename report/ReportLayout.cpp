#include "report/ReportLayout.h"

#include <algorithm>

namespace report {

namespace {

// The lines one item shows for one row, and how much taller than designed it grows.
struct ItemLines {
    QStringList lines;
    Mils height = 0;
};

class Composer {
public:
    Composer(const ReportDef& definition, const ReportData& data, const TextMeasure& measure,
             const PageProgress& progress)
        : def_(definition), data_(data), measure_(measure), progress_(progress) {
        layout_.pageWidth = def_.pageWidth;
        layout_.pageHeight = def_.pageHeight;
    }

    std::optional<Layout> run() {
        if (!beginPage())
            return std::nullopt;
        for (const BandDef& band : def_.region.bands) {
            if (band.kind != BandKind::Data)
                continue;
            const std::size_t rows = rowCount(band.view);
            for (std::size_t row = 0; row < rows; ++row)
                if (!placeDataBand(band, row))
                    return std::nullopt;
        }
        return std::move(layout_);
    }

private:
    std::size_t rowCount(int view) const {
        if (view < 0 || static_cast<std::size_t>(view) >= data_.size())
            return 0;
        return data_[static_cast<std::size_t>(view)].rows.size();
    }

    QString fieldValue(const ItemDef& item, std::size_t row) const {
        if (item.view < 0 || static_cast<std::size_t>(item.view) >= data_.size())
            return {};
        return data_[static_cast<std::size_t>(item.view)].value(row, item.field);
    }

    ItemLines linesOf(const ItemDef& item, std::size_t row) const {
        const Mils lineHeight = measure_.lineHeight(item.font);
        switch (item.kind) {
        case ItemKind::Text:
            return {item.text.isEmpty() ? QStringList() : QStringList{item.text}, lineHeight};
        case ItemKind::DataText: {
            const QString text = cutToWidth(measure_, item.font, fieldValue(item, row), item.width);
            return {text.isEmpty() ? QStringList() : QStringList{text}, lineHeight};
        }
        case ItemKind::DataMemo: {
            QStringList lines = wrapToWidth(measure_, item.font, fieldValue(item, row), item.width);
            const Mils needed = lineHeight * static_cast<Mils>(lines.size());
            return {std::move(lines), std::max(item.height, needed)};
        }
        }
        return {};
    }

    void placeBand(const BandDef& band, const std::vector<ItemLines>& lines, Mils bandTop) {
        Page& page = layout_.pages.back();
        for (std::size_t i = 0; i < band.items.size(); ++i) {
            if (lines[i].lines.isEmpty())
                continue;
            const ItemDef& item = band.items[i];
            page.items.push_back(PlacedItem{item.name, def_.region.left + item.left,
                                            def_.region.top + bandTop + item.top, item.width,
                                            lines[i].height, item.font, lines[i].lines});
        }
    }

    Mils bandHeight(const BandDef& band, const std::vector<ItemLines>& lines) const {
        Mils growth = 0;
        for (std::size_t i = 0; i < band.items.size(); ++i)
            if (band.items[i].kind == ItemKind::DataMemo)
                growth = std::max(growth, lines[i].height - band.items[i].height);
        return band.height + growth;
    }

    std::vector<ItemLines> bandLines(const BandDef& band, std::size_t row) const {
        std::vector<ItemLines> lines;
        lines.reserve(band.items.size());
        for (const ItemDef& item : band.items)
            lines.push_back(linesOf(item, row));
        return lines;
    }

    bool beginPage() {
        if (progress_ && !progress_(static_cast<int>(layout_.pages.size()) + 1))
            return false;
        layout_.pages.emplace_back();
        y_ = 0;
        pageHasData_ = false;
        for (const BandDef& band : def_.region.bands) {
            if (band.kind != BandKind::Header)
                continue;
            // Header items read the first row of their views.
            const std::vector<ItemLines> lines = bandLines(band, 0);
            placeBand(band, lines, y_);
            y_ += bandHeight(band, lines);
        }
        return true;
    }

    bool placeDataBand(const BandDef& band, std::size_t row) {
        const std::vector<ItemLines> lines = bandLines(band, row);
        const Mils height = bandHeight(band, lines);
        // A band taller than a whole page still goes on a page of its own rather than
        // starting new pages for ever.
        if (y_ + height > def_.region.height && pageHasData_ && !beginPage())
            return false;
        placeBand(band, lines, y_);
        y_ += height;
        pageHasData_ = true;
        return true;
    }

    const ReportDef& def_;
    const ReportData& data_;
    const TextMeasure& measure_;
    const PageProgress& progress_;
    Layout layout_;
    Mils y_ = 0;
    bool pageHasData_ = false;
};

} // namespace

std::optional<Layout> layoutReport(const ReportDef& definition, const ReportData& data,
                                   const TextMeasure& measure, const PageProgress& progress) {
    return Composer(definition, data, measure, progress).run();
}

} // namespace report

#include "share/TickedItemWalk.h"

#include "model/ItemLine.h"

namespace share {

void walkTickedItems(const model::Document& document, TickedItemSink& sink) {
    std::string heading;
    bool headingWritten = false;
    for (int c = 0; c < model::CategoryCount; ++c) {
        const model::CategoryList& list = document.list(c);
        for (const model::Line& line : list.lines()) {
            const std::string_view text = list.textOf(line);
            if (model::isMarkerLine(text)) {
                heading = model::categoryHeading(text);
                headingWritten = false;
                continue;
            }
            if (!line.ticked || text.empty())
                continue;
            if (!headingWritten) {
                sink.heading(heading);
                headingWritten = true;
            }
            const model::ItemParts parts = model::splitItemLine(text);
            sink.entry(parts.name, parts.quantity);
        }
    }
}

} // namespace share

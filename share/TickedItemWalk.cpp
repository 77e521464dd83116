#include "share/TickedItemWalk.h"

#include "model/ItemLine.h"

namespace share {

void walkTickedItems(const model::Document& document, TickedItemSink& sink) {
    std::string heading;
    bool headingWritten = false;
    for (int c = 0; c < model::CategoryCount; ++c) {
        for (const model::Line& line : document.list(c).lines()) {
            if (model::isMarkerLine(line.text)) {
                heading = model::categoryHeading(line.text);
                headingWritten = false;
                continue;
            }
            if (!line.ticked || line.text.empty())
                continue;
            if (!headingWritten) {
                sink.heading(heading);
                headingWritten = true;
            }
            const model::ItemParts parts = model::splitItemLine(line.text);
            sink.entry(parts.name, parts.quantity);
        }
    }
}

} // namespace share

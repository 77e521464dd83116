#pragma once

#include "model/Document.h"

#include <string>

namespace share {

// What the walk puts out, in order: a category heading once before its first ticked
// entry, then the entries.
class TickedItemSink {
public:
    virtual ~TickedItemSink() = default;
    virtual void heading(const std::string& heading) = 0;
    virtual void entry(const std::string& name, const std::string& quantity) = 0;
};

// Visits the ten lists in category order as one continuous walk. A line containing "//"
// makes the current heading and clears the heading-written flag; a ticked, non-empty
// line without "//" is an entry, preceded by the current heading if the flag is clear.
// The flag is not cleared between lists: only marker lines clear it.
void walkTickedItems(const model::Document& document, TickedItemSink& sink);

} // namespace share

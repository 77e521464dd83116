#include "model/Document.h"

#include "model/ListError.h"

namespace model {

Document::Document() {
    for (int i = 0; i < CategoryCount; ++i)
        lists_[static_cast<std::size_t>(i)].append("//" + std::string(Categories[i].designedName));
}

CategoryList& Document::list(int category) {
    if (category < 0 || category >= CategoryCount)
        throw indexOutOfBounds(category);
    return lists_[static_cast<std::size_t>(category)];
}

const CategoryList& Document::list(int category) const {
    if (category < 0 || category >= CategoryCount)
        throw indexOutOfBounds(category);
    return lists_[static_cast<std::size_t>(category)];
}

void Document::setNotes(std::string notes) {
    if (notes.size() > NotesLimit)
        notes.resize(NotesLimit);
    notes_ = std::move(notes);
}

void Document::setAllTicked(bool ticked) {
    for (CategoryList& list : lists_)
        list.setAllTicked(ticked);
}

void Document::setModifiedState(bool modified) {
    modified_ = modified;
    if (modifiedObserver_)
        modifiedObserver_(modified);
}

} // namespace model

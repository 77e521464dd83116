#pragma once

#include "model/Categories.h"
#include "model/CategoryList.h"

#include <array>
#include <functional>
#include <string>

namespace model {

// The list the user edits: ten category lists in category order, the Notes text and
// the modified flag. The Save entry and button follow the flag through the observer.
class Document {
public:
    static constexpr std::size_t NotesLimit = 255;

    Document();

    CategoryList& list(int category);
    const CategoryList& list(int category) const;

    bool modified() const { return modified_; }
    void setModified() { setModifiedState(true); }
    void clearModified() { setModifiedState(false); }
    void onModifiedChanged(std::function<void(bool)> observer) {
        modifiedObserver_ = std::move(observer);
    }

    const std::string& notes() const { return notes_; }
    // Keeps at most NotesLimit characters.
    void setNotes(std::string notes);

    // Ticks or unticks every line of all ten lists, marker lines included.
    void setAllTicked(bool ticked);

private:
    void setModifiedState(bool modified);

    std::array<CategoryList, CategoryCount> lists_;
    std::string notes_;
    bool modified_ = false;
    std::function<void(bool)> modifiedObserver_;
};

} // namespace model

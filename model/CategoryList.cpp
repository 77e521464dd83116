#include "model/CategoryList.h"

#include "model/ListError.h"

#include <algorithm>
#include <new>

namespace model {

EListError indexOutOfBounds(long long index) {
    return EListError("List index out of bounds (" + std::to_string(index) + ")");
}

EListError unableToInsert() {
    return EListError("Unable to insert a line");
}

const Line& CategoryList::at(std::size_t index) const {
    if (index >= lines_.size())
        throw indexOutOfBounds(static_cast<long long>(index));
    return lines_[index];
}

Line& CategoryList::at(std::size_t index) {
    if (index >= lines_.size())
        throw indexOutOfBounds(static_cast<long long>(index));
    return lines_[index];
}

void CategoryList::notify(ListChange::Kind kind, std::size_t first, std::size_t last) {
    if (observer_)
        observer_(ListChange{kind, first, last});
}

std::size_t CategoryList::selectionCount() const {
    return static_cast<std::size_t>(
        std::count_if(lines_.begin(), lines_.end(), [](const Line& l) { return l.selected; }));
}

Line CategoryList::stored(std::string_view text) {
    if (text.size() > MaxLineLength)
        throw unableToInsert();
    try {
        const std::size_t offset = store_.size();
        store_.append(text);
        return Line{offset, static_cast<std::uint32_t>(text.size()), false, false};
    } catch (const std::bad_alloc&) {
        throw unableToInsert();
    } catch (const std::length_error&) {
        throw unableToInsert();
    }
}

void CategoryList::compactIfMostlyUnused() {
    if (store_.size() < 4096 || liveBytes_ * 2 >= store_.size())
        return;
    std::string compact;
    try {
        compact.reserve(liveBytes_);
    } catch (const std::bad_alloc&) {
        return; // the store stays as it is, only larger than it needs to be
    }
    for (Line& line : lines_) {
        const std::size_t offset = compact.size();
        compact.append(store_, line.offset, line.length);
        line.offset = offset;
    }
    store_.swap(compact);
}

std::size_t CategoryList::append(std::string text) {
    const Line line = stored(text);
    try {
        lines_.push_back(line);
    } catch (const std::bad_alloc&) {
        throw unableToInsert();
    } catch (const std::length_error&) {
        throw unableToInsert();
    }
    liveBytes_ += line.length;
    const std::size_t index = lines_.size() - 1;
    notify(ListChange::Appended, index, index);
    return index;
}

void CategoryList::replaceText(std::size_t index, std::string text) {
    Line& line = at(index);
    const Line replacement = stored(text);
    liveBytes_ = liveBytes_ - line.length + replacement.length;
    line.offset = replacement.offset;
    line.length = replacement.length;
    compactIfMostlyUnused();
    notify(ListChange::TextChanged, index, index);
}

void CategoryList::setTicked(std::size_t index, bool ticked) {
    at(index).ticked = ticked;
    notify(ListChange::TickChanged, index, index);
}

void CategoryList::setSelected(std::size_t index, bool selected) {
    at(index).selected = selected;
    notify(ListChange::SelectionChanged, index, index);
}

void CategoryList::selectOnly(const std::vector<std::size_t>& indexes) {
    for (std::size_t i : indexes)
        at(i); // validate before changing anything
    for (Line& line : lines_)
        line.selected = false;
    for (std::size_t i : indexes)
        lines_[i].selected = true;
    if (!lines_.empty())
        notify(ListChange::SelectionChanged, 0, lines_.size() - 1);
}

void CategoryList::setFocused(long long index) {
    if (index != NoFocus && (index < 0 || static_cast<std::size_t>(index) >= lines_.size()))
        throw indexOutOfBounds(index);
    focused_ = index;
}

void CategoryList::afterRemoval() {
    liveBytes_ = 0;
    for (const Line& line : lines_)
        liveBytes_ += line.length;
    compactIfMostlyUnused();
    if (focused_ != NoFocus && static_cast<std::size_t>(focused_) >= lines_.size())
        focused_ = lines_.empty() ? NoFocus : static_cast<long long>(lines_.size()) - 1;
}

void CategoryList::remove(std::size_t index) {
    at(index);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    afterRemoval();
    notify(ListChange::Removed, index, index);
}

template <typename Drop> std::size_t CategoryList::removeLines(Drop drop) {
    const auto kept = std::remove_if(lines_.begin(), lines_.end(), drop);
    const auto removed = static_cast<std::size_t>(lines_.end() - kept);
    lines_.erase(kept, lines_.end());
    if (removed > 0) {
        afterRemoval();
        notify(ListChange::Reset);
    }
    return removed;
}

std::size_t CategoryList::removeSelected() {
    return removeLines([](const Line& l) { return l.selected; });
}

std::size_t CategoryList::removeIf(const std::function<bool(std::string_view)>& drop) {
    return removeLines([&](const Line& l) { return drop(textOf(l)); });
}

void CategoryList::clear() {
    lines_.clear();
    std::string().swap(store_);
    liveBytes_ = 0;
    focused_ = NoFocus;
    notify(ListChange::Reset);
}

CategoryList::Rebuild::Rebuild(std::size_t count, std::size_t bytes) {
    try {
        lines.reserve(count);
        store.reserve(bytes);
    } catch (const std::bad_alloc&) {
        throw unableToInsert();
    } catch (const std::length_error&) {
        throw unableToInsert();
    }
}

void CategoryList::Rebuild::add(std::string_view text) {
    if (text.size() > MaxLineLength)
        throw unableToInsert();
    try {
        lines.push_back(Line{store.size(), static_cast<std::uint32_t>(text.size()), false, false});
        store.append(text);
    } catch (const std::bad_alloc&) {
        throw unableToInsert();
    } catch (const std::length_error&) {
        throw unableToInsert();
    }
}

void CategoryList::take(Rebuild& rebuild) {
    lines_.swap(rebuild.lines);
    store_.swap(rebuild.store);
    liveBytes_ = store_.size();
    focused_ = NoFocus;
    notify(ListChange::Reset);
}

void CategoryList::assign(const std::vector<std::string_view>& texts) {
    std::size_t total = 0;
    for (std::string_view t : texts)
        total += t.size();
    assign(texts.size(), total, [&texts](const auto& add) {
        for (std::string_view t : texts)
            add(t);
    });
}

void CategoryList::setAllTicked(bool ticked) {
    for (Line& line : lines_)
        line.ticked = ticked;
    if (!lines_.empty())
        notify(ListChange::TickChanged, 0, lines_.size() - 1);
}

} // namespace model

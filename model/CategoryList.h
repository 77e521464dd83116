#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// One line of a category list: where its text lies in the list's text store, and its
// marks. Only the text is ever saved. Sixteen bytes, so that a list of ten million lines
// costs 160 MB beside its texts.
struct Line {
    std::size_t offset = 0;
    std::uint32_t length = 0;
    bool ticked = false;
    bool selected = false;
};
static_assert(sizeof(Line) <= 16);

// A line longer than a Line can measure.
inline constexpr std::size_t MaxLineLength = UINT32_MAX;

// What a view needs to know after a change, so that it can repaint only what moved.
struct ListChange {
    enum Kind { Reset, Appended, TextChanged, TickChanged, Removed, SelectionChanged };
    Kind kind;
    std::size_t first = 0;
    std::size_t last = 0; // inclusive
};

// An ordered list of lines with a focused line. Indexes outside the list raise
// "List index out of bounds (%d)".
//
// The texts of all lines live one after another in one store, so that a list of a
// million lines is a handful of allocations rather than a million. A text handed out is
// valid until the list next changes.
class CategoryList {
public:
    static constexpr long long NoFocus = -1;
    using Observer = std::function<void(const ListChange&)>;

    std::size_t count() const { return lines_.size(); }
    std::string_view text(std::size_t index) const { return textOf(at(index)); }
    std::string_view textOf(const Line& line) const {
        return std::string_view(store_).substr(line.offset, line.length);
    }
    bool ticked(std::size_t index) const { return at(index).ticked; }
    bool selected(std::size_t index) const { return at(index).selected; }
    std::size_t selectionCount() const;
    long long focused() const { return focused_; }
    const std::vector<Line>& lines() const { return lines_; }

    std::size_t append(std::string text);
    void replaceText(std::size_t index, std::string text);
    void setTicked(std::size_t index, bool ticked);
    void setSelected(std::size_t index, bool selected);
    // Sets the selection of every line at once (one notification).
    void selectOnly(const std::vector<std::size_t>& indexes);
    void setFocused(long long index);
    void remove(std::size_t index);
    // Removes every selected line in one pass; returns how many went.
    std::size_t removeSelected();
    // Removes every line for which drop(text) is true, keeping the rest in order.
    std::size_t removeIf(const std::function<bool(std::string_view)>& drop);
    void clear();
    // Replaces every line at once; the texts may lie anywhere, even in this list.
    void assign(const std::vector<std::string_view>& texts);
    // Replaces every line at once with the texts that each(add) hands to add in order.
    // count and bytes (the texts' total length) size the storage up front, so that a
    // large list takes no more room than it needs while it is built; a wrong guess only
    // costs room.
    template <class Each> void assign(std::size_t count, std::size_t bytes, Each&& each) {
        Rebuild rebuild(count, bytes);
        each([&rebuild](std::string_view text) { rebuild.add(text); });
        take(rebuild);
    }
    void setAllTicked(bool ticked);

    void setObserver(Observer observer) { observer_ = std::move(observer); }

private:
    // A list's lines and store built apart, so that a failure leaves the list as it was.
    struct Rebuild {
        Rebuild(std::size_t count, std::size_t bytes);
        void add(std::string_view text);
        std::vector<Line> lines;
        std::string store;
    };
    void take(Rebuild& rebuild);

    const Line& at(std::size_t index) const;
    Line& at(std::size_t index);
    void notify(ListChange::Kind kind, std::size_t first = 0, std::size_t last = 0);
    // Removes the lines drop picks; the list's state and views follow once.
    template <typename Drop> std::size_t removeLines(Drop drop);
    void afterRemoval();
    // Puts text at the end of the store; raises "Unable to insert a line" when memory
    // runs out.
    Line stored(std::string_view text);
    // Rebuilds the store from the live texts once most of it is left over from
    // replaced and removed lines.
    void compactIfMostlyUnused();

    std::vector<Line> lines_;
    std::string store_;
    std::size_t liveBytes_ = 0;
    long long focused_ = NoFocus;
    Observer observer_;
};

} // namespace model

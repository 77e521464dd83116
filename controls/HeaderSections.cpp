#include "controls/HeaderSections.h"

#include "controls/HeaderControl.h"

#include <QSignalBlocker>
#include <algorithm>

namespace controls {

HeaderSection::HeaderSection(HeaderSections* sections, HeaderControl* header)
    : QObject(sections), sections_(sections), header_(header) {}

int HeaderSection::index() const {
    return sections_->indexOf(this);
}

QString HeaderSection::text() const {
    return header_->section(index()).text;
}

void HeaderSection::setText(const QString& text) {
    header_->setSectionText(index(), text);
}

int HeaderSection::width() const {
    return header_->sectionSize(index());
}

void HeaderSection::setWidth(int width) {
    // A width set through the collection (a restore) is not the user's resize: the
    // header reports nothing, so the lists keep their tab stops.
    const QSignalBlocker quiet(header_);
    // Kept within the section's limits, so a damaged stored width cannot blow it up.
    const int low = std::max(0, minWidth_);
    header_->resizeSection(index(), std::clamp(width, low, std::max(low, maxWidth_)));
}

HeaderSections::HeaderSections(HeaderControl* header) : QObject(header), header_(header) {}

int HeaderSections::count() const {
    return static_cast<int>(items_.size());
}

QObject* HeaderSections::item(int index) const {
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)] : nullptr;
}

QObject* HeaderSections::add() {
    header_->appendSection({});
    return items_.empty() ? nullptr : items_.back();
}

void HeaderSections::clear() {
    header_->setSections({});
}

int HeaderSections::indexOf(const HeaderSection* section) const {
    const auto it = std::find(items_.begin(), items_.end(), section);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void HeaderSections::sync() {
    const auto wanted = static_cast<std::size_t>(header_->sectionCount());
    while (items_.size() > wanted) {
        delete items_.back();
        items_.pop_back();
    }
    while (items_.size() < wanted)
        items_.push_back(new HeaderSection(this, header_));
}

} // namespace controls

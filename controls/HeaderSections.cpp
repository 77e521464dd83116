#include "controls/HeaderSections.h"

#include "controls/HeaderControl.h"

#include <QSignalBlocker>
#include <algorithm>

namespace controls {

HeaderSection::HeaderSection(HeaderControl* header, int index) : header_(header), index_(index) {}

QString HeaderSection::text() const {
    return header_->section(index_).text;
}

void HeaderSection::setText(const QString& text) {
    header_->setSectionText(index_, text);
}

int HeaderSection::width() const {
    return header_->sectionSize(index_);
}

void HeaderSection::setWidth(int width) {
    // A width set through the collection (a restore) is not the user's resize: the
    // header reports nothing, so the lists keep their tab stops.
    const QSignalBlocker quiet(header_);
    // Kept within the section's limits, so a damaged stored width cannot blow it up.
    const int low = std::max(0, minWidth_);
    header_->resizeSection(index_, std::clamp(width, low, std::max(low, maxWidth_)));
}

void HeaderSection::setMinWidth(int width) {
    minWidth_ = width;
    setWidth(this->width());
}

void HeaderSection::setMaxWidth(int width) {
    maxWidth_ = width;
    setWidth(this->width());
}

HeaderSections::HeaderSections(HeaderControl* header) : QObject(header), header_(header) {}

int HeaderSections::count() const {
    return static_cast<int>(items_.size());
}

QObject* HeaderSections::item(int index) const {
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)].get() : nullptr;
}

QObject* HeaderSections::add() {
    header_->appendSection({});
    return items_.empty() ? nullptr : items_.back().get();
}

void HeaderSections::clear() {
    header_->setSections({});
}

void HeaderSections::sync() {
    const auto wanted = static_cast<std::size_t>(header_->sectionCount());
    while (items_.size() > wanted) {
        items_.pop_back();
    }
    while (items_.size() < wanted)
        items_.push_back(std::make_unique<HeaderSection>(header_, static_cast<int>(items_.size())));
}

} // namespace controls

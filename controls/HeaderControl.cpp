#include "controls/HeaderControl.h"

#include "controls/AccessibleControls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <QStyleOptionHeader>
#include <algorithm>
#include <cstdlib>

namespace controls {

namespace {

// How far from a section's right edge a press still grabs that edge.
constexpr int EdgeReach = 3;

} // namespace

HeaderControl::HeaderControl(QWidget* parent)
    : QWidget(parent), collection_(new HeaderSections(this)) {
    installAccessibleControls();
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int HeaderControl::sectionCount() const {
    return static_cast<int>(sections_.size());
}

HeaderControl::Section HeaderControl::section(int index) const {
    return index >= 0 && index < sectionCount() ? sections_[static_cast<std::size_t>(index)]
                                                : Section{QString(), 0};
}

void HeaderControl::setSections(const std::vector<Section>& sections) {
    sections_ = sections;
    for (Section& s : sections_)
        s.width = std::max(0, s.width);
    sectionsChanged();
}

std::vector<int> HeaderControl::sectionWidths() const {
    std::vector<int> widths;
    widths.reserve(sections_.size());
    for (const Section& s : sections_)
        widths.push_back(s.width);
    return widths;
}

int HeaderControl::sectionSize(int index) const {
    return section(index).width;
}

QRect HeaderControl::sectionRect(int index) const {
    if (index < 0 || index >= sectionCount())
        return {};
    return QRect(sectionLeft(index), 0, sectionSize(index), height());
}

void HeaderControl::resizeSection(int index, int width) {
    if (index < 0 || index >= sectionCount())
        return;
    Section& s = sections_[static_cast<std::size_t>(index)];
    width = std::max(0, width);
    if (s.width == width)
        return;
    s.width = width;
    update();
    emit sectionResize(index);
}

void HeaderControl::appendSection(const Section& section) {
    sections_.push_back({section.text, std::max(0, section.width)});
    sectionsChanged();
}

void HeaderControl::setSectionText(int index, const QString& text) {
    if (index < 0 || index >= sectionCount())
        return;
    sections_[static_cast<std::size_t>(index)].text = text;
    sectionsChanged();
}

void HeaderControl::sectionsChanged() {
    // The first sections name the header: a change costs the same however many
    // sections a restored value brings.
    constexpr std::size_t NamedSections = 16;
    QStringList texts;
    for (std::size_t i = 0; i < std::min(sections_.size(), NamedSections); ++i)
        texts << sections_[i].text;
    setAccessibleName(texts.join(QStringLiteral(", ")));
    collection_->sync();
    update();
}

QSize HeaderControl::sizeHint() const {
    int width = 0;
    for (const Section& s : sections_)
        width += s.width;
    return QSize(width, fontMetrics().height() + 4);
}

int HeaderControl::sectionLeft(int index) const {
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += sections_[static_cast<std::size_t>(i)].width;
    return left;
}

int HeaderControl::edgeAt(int x) const {
    // The last edge within reach wins, so that a section dragged down to no width can
    // still be pulled open again.
    int found = -1;
    int right = 0;
    for (int i = 0; i < sectionCount(); ++i) {
        right += sections_[static_cast<std::size_t>(i)].width;
        if (std::abs(x - right) <= EdgeReach)
            found = i;
    }
    return found;
}

void HeaderControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionHeader opt;
    opt.initFrom(this);
    opt.orientation = Qt::Horizontal;
    opt.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    opt.state |= QStyle::State_Horizontal | QStyle::State_Raised;
    int left = 0;
    const int count = sectionCount();
    for (int i = 0; i < count; ++i) {
        const Section& s = sections_[static_cast<std::size_t>(i)];
        opt.section = i;
        opt.text = s.text;
        opt.rect = QRect(left, 0, s.width, height());
        opt.position = count == 1       ? QStyleOptionHeader::OnlyOneSection
                       : i == 0         ? QStyleOptionHeader::Beginning
                       : i == count - 1 ? QStyleOptionHeader::End
                                        : QStyleOptionHeader::Middle;
        if (s.width > 0)
            style()->drawControl(QStyle::CE_Header, &opt, &painter, this);
        left += s.width;
    }
    if (left < width()) {
        QStyleOption empty;
        empty.initFrom(this);
        empty.state |= QStyle::State_Horizontal;
        empty.rect = QRect(left, 0, width() - left, height());
        style()->drawControl(QStyle::CE_HeaderEmptyArea, &empty, &painter, this);
    }
}

void HeaderControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragged_ = edgeAt(event->position().toPoint().x());
    QWidget::mousePressEvent(event);
}

void HeaderControl::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (dragged_ >= 0)
        resizeSection(dragged_, x - sectionLeft(dragged_));
    else if (edgeAt(x) >= 0)
        setCursor(Qt::SplitHCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void HeaderControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragged_ = -1;
    QWidget::mouseReleaseEvent(event);
}

} // namespace controls

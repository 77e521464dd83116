#include "controls/HeaderControl.h"

#include <QStandardItemModel>

namespace controls {

HeaderControl::HeaderControl(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), model_(new QStandardItemModel(this)),
      sections_(new HeaderSections(this)) {
    setModel(model_);
    setSectionsClickable(false);
    setHighlightSections(false);
    setStretchLastSection(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMinimumSectionSize(0);
    connect(this, &QHeaderView::sectionResized, this,
            [this](int logical, int, int) { emit sectionResize(logical); });
}

int HeaderControl::sectionCount() const {
    return model_->columnCount();
}

HeaderControl::Section HeaderControl::section(int index) const {
    return {model_->headerData(index, Qt::Horizontal).toString(), sectionSize(index)};
}

void HeaderControl::setSections(const std::vector<Section>& sections) {
    const QSignalBlocker block(this);
    model_->setColumnCount(static_cast<int>(sections.size()));
    for (int i = 0; i < static_cast<int>(sections.size()); ++i) {
        const Section& s = sections[static_cast<std::size_t>(i)];
        model_->setHeaderData(i, Qt::Horizontal, s.text);
        resizeSection(i, s.width);
    }
    sections_->sync();
}

void HeaderControl::appendSection(const Section& section) {
    const int index = sectionCount();
    {
        const QSignalBlocker block(this);
        model_->setColumnCount(index + 1);
        model_->setHeaderData(index, Qt::Horizontal, section.text);
        resizeSection(index, section.width);
    }
    sections_->sync();
}

void HeaderControl::setSectionText(int index, const QString& text) {
    model_->setHeaderData(index, Qt::Horizontal, text);
}

std::vector<int> HeaderControl::sectionWidths() const {
    std::vector<int> widths;
    for (int i = 0; i < sectionCount(); ++i)
        widths.push_back(sectionSize(i));
    return widths;
}

} // namespace controls

#include "controls/HeaderControl.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace controls {

// The header's only data: the section texts, as columns of an empty table.
class HeaderControl::SectionModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& = QModelIndex()) const override { return 0; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(texts_.size());
    }
    QVariant data(const QModelIndex&, int) const override { return {}; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= texts_.size())
            return {};
        return texts_.at(section);
    }
    void setTexts(const QStringList& texts) {
        beginResetModel();
        texts_ = texts;
        endResetModel();
    }
    void appendText(const QString& text) {
        const int column = static_cast<int>(texts_.size());
        beginInsertColumns(QModelIndex(), column, column);
        texts_ << text;
        endInsertColumns();
    }
    void setText(int section, const QString& text) {
        if (section < 0 || section >= texts_.size())
            return;
        texts_[section] = text;
        emit headerDataChanged(Qt::Horizontal, section, section);
    }

private:
    QStringList texts_;
};

HeaderControl::HeaderControl(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), model_(new SectionModel(this)),
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
    return {model_->headerData(index, Qt::Horizontal, Qt::DisplayRole).toString(),
            sectionSize(index)};
}

void HeaderControl::setSections(const std::vector<Section>& sections) {
    const QSignalBlocker block(this);
    QStringList texts;
    for (const Section& s : sections)
        texts << s.text;
    model_->setTexts(texts);
    for (int i = 0; i < static_cast<int>(sections.size()); ++i)
        resizeSection(i, sections[static_cast<std::size_t>(i)].width);
    sections_->sync();
}

void HeaderControl::appendSection(const Section& section) {
    const int index = sectionCount();
    {
        const QSignalBlocker block(this);
        model_->appendText(section.text);
        resizeSection(index, section.width);
    }
    sections_->sync();
}

void HeaderControl::setSectionText(int index, const QString& text) {
    model_->setText(index, text);
}

std::vector<int> HeaderControl::sectionWidths() const {
    std::vector<int> widths;
    for (int i = 0; i < sectionCount(); ++i)
        widths.push_back(sectionSize(i));
    return widths;
}

} // namespace controls

#pragma once

#include "controls/HeaderSections.h"

#include <QHeaderView>
#include <QString>
#include <vector>

namespace controls {

// A stand-alone column header with resizable sections; reports every resize.
class HeaderControl : public QHeaderView {
    Q_OBJECT
    // The sections as a collection, for the settings store.
    Q_PROPERTY(controls::HeaderSections* Sections READ sectionsCollection)
public:
    struct Section {
        QString text;
        int width = 50;
    };

    explicit HeaderControl(QWidget* parent = nullptr);

    int sectionCount() const;
    Section section(int index) const;
    void setSections(const std::vector<Section>& sections);
    std::vector<int> sectionWidths() const;

    HeaderSections* sectionsCollection() const { return sections_; }
    void appendSection(const Section& section);
    void setSectionText(int index, const QString& text);

signals:
    void sectionResize(int section);

private:
    class SectionModel;
    SectionModel* model_;
    HeaderSections* sections_;
};

} // namespace controls

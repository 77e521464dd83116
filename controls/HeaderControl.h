#pragma once

#include "controls/HeaderSections.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace controls {

// A stand-alone column header with sections the user resizes by dragging their right
// edges; reports every resize. It is a plain painted widget rather than an item view:
// it shows no data, and ten of them stand in the main window from the first moment.
class HeaderControl : public QWidget {
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
    int sectionSize(int index) const;
    // Where a section stands in the header; empty for one that does not exist.
    QRect sectionRect(int index) const;
    // A new width (0 or more) for one section, reported as a resize; a section that
    // does not exist and an unchanged width are ignored.
    void resizeSection(int index, int width);

    HeaderSections* sectionsCollection() const { return collection_; }
    void appendSection(const Section& section);
    void setSectionText(int index, const QString& text);

    QSize sizeHint() const override;

signals:
    void sectionResize(int section);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int sectionLeft(int index) const;
    int edgeAt(int x) const;
    void sectionsChanged();

    std::vector<Section> sections_;
    HeaderSections* collection_;
    int dragged_ = -1;
};

} // namespace controls

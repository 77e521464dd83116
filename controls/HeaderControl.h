#pragma once

#include <QHeaderView>
#include <QString>
#include <vector>

namespace controls {

// A stand-alone column header with resizable sections; reports every resize.
class HeaderControl : public QHeaderView {
    Q_OBJECT
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

signals:
    void sectionResize(int section);

private:
    class SectionModel;
    SectionModel* model_;
};

} // namespace controls

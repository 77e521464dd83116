#pragma once

#include <QListView>
#include <vector>

namespace controls {

// A list of lines with a check box each, multiple selection, a focused line and TAB
// expansion at tab stops measured in average character widths. Lines come from any item
// model that offers Qt::DisplayRole and Qt::CheckStateRole.
class CheckListBox : public QListView {
    Q_OBJECT
public:
    static constexpr int LineHeight = 18;

    explicit CheckListBox(QWidget* parent = nullptr);

    const std::vector<int>& tabStops() const { return tabStops_; }
    void setTabStops(std::vector<int> stops);

    // 1 for one column; 2 fills the first column top to bottom and goes on in the second.
    int columns() const { return columns_; }
    void setColumns(int columns);

    int averageCharWidth() const;

signals:
    void checkToggled(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateGrid();

    std::vector<int> tabStops_;
    int columns_ = 1;
};

} // namespace controls

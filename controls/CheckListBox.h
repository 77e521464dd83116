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

    // Ticks an unticked line and unticks a ticked one, as a click on its box does.
    void toggleCheck(const QModelIndex& index);

    // How many characters of a line can ever show: a line is no wider than the viewport,
    // and every character that draws takes at least one pixel. A model may hand over only
    // this many, so that a huge line is never converted, measured or drawn whole.
    int visibleTextLimit() const;

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

#include "controls/CheckListBox.h"

#include "controls/AccessibleControls.h"
#include "controls/TabbedText.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace controls {

namespace {

class CheckLineDelegate : public QStyledItemDelegate {
public:
    explicit CheckLineDelegate(CheckListBox* list) : QStyledItemDelegate(list), list_(list) {}

    static QRect checkRect(const QRect& line) {
        return QRect(line.left() + 2, line.top() + (line.height() - 13) / 2, 13, 13);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        painter->save();
        if (selected)
            painter->fillRect(option.rect, pal.brush(QPalette::Highlight));

        QStyleOptionButton box;
        box.rect = checkRect(option.rect);
        box.state = QStyle::State_Enabled;
        box.state |= index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On
                                                                           : QStyle::State_Off;
        QApplication::style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, list_);

        painter->setFont(option.font);
        painter->setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
        // The text starts after the box, inside this line's own rectangle: in the second
        // column the line's left edge is far from the viewport's.
        QRect textRect = option.rect;
        textRect.setLeft(box.rect.right() + 4);
        drawTabbedText(*painter, textRect, index.data(Qt::DisplayRole).toString(),
                       list_->tabStops());
        if ((option.state & QStyle::State_HasFocus) && list_->hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.rect = option.rect;
            focus.palette = pal;
            QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, list_);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return QSize(list_->columns() > 1 ? list_->viewport()->width() / list_->columns() : 100,
                     CheckListBox::LineHeight);
    }

    bool editorEvent(QEvent* event, QAbstractItemModel*, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && checkRect(option.rect)
                                                         .adjusted(-2, -2, 2, 2)
                                                         .contains(mouse->position().toPoint())) {
                list_->toggleCheck(index);
                return true;
            }
        }
        return false;
    }

private:
    CheckListBox* list_;
};

} // namespace

CheckListBox::CheckListBox(QWidget* parent) : QListView(parent) {
    installAccessibleControls();
    setItemDelegate(new CheckLineDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setLayoutMode(QListView::Batched);
    setBatchSize(2000);
}

void CheckListBox::setTabStops(std::vector<int> stops) {
    tabStops_ = std::move(stops);
    viewport()->update();
}

void CheckListBox::setColumns(int columns) {
    columns_ = std::max(1, columns);
    if (columns_ > 1) {
        setFlow(QListView::TopToBottom);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        setFlow(QListView::TopToBottom);
        setWrapping(false);
    }
    updateGrid();
}

int CheckListBox::averageCharWidth() const {
    return controls::averageCharWidth(fontMetrics());
}

void CheckListBox::toggleCheck(const QModelIndex& index) {
    if (!index.isValid() || index.model() != model())
        return;
    const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    model()->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        event.setChild(index.row());
        QAccessible::updateAccessibility(&event);
    }
    emit checkToggled(index.row());
}

int CheckListBox::visibleTextLimit() const {
    return std::max(viewport()->width(), 1) + 1;
}

void CheckListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        currentIndex().isValid() && model()) {
        toggleCheck(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}

void CheckListBox::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    updateGrid();
}

void CheckListBox::updateGrid() {
    if (columns_ > 1)
        setGridSize(QSize(std::max(1, viewport()->width() / columns_), LineHeight));
    else
        setGridSize(QSize());
}

} // namespace controls

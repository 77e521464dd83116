#include "app/CategoryListModel.h"

#include "controls/CheckListBox.h"
#include "model/ItemLine.h"
#include "platform/TextCodec.h"

#include <QItemSelectionModel>

CategoryListModel::CategoryListModel(model::CategoryList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {
    list_.setObserver([this](const model::ListChange& change) { onListChanged(change); });
}

CategoryListModel::~CategoryListModel() {
    list_.setObserver({});
}

int CategoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.count());
}

QVariant CategoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= list_.count())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return platform::toQString(visibleText(row));
    case Qt::AccessibleTextRole:
        return accessibleText(row);
    case Qt::CheckStateRole:
        return list_.ticked(row) ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

std::string_view CategoryListModel::visibleText(std::size_t row) const {
    const std::string_view text = list_.text(row);
    if (!view_)
        return text;
    return text.substr(0, static_cast<std::size_t>(view_->visibleTextLimit()));
}

QString CategoryListModel::accessibleText(std::size_t row) const {
    const std::string_view text = visibleText(row);
    // The marker line reads as it shows; an item line as its name and its quantity.
    if (row == 0 || text.find('\t') == std::string_view::npos)
        return platform::toQString(text);
    const model::ItemParts parts = model::splitItemLine(text);
    return tr("%1, quantity %2")
        .arg(platform::toQString(parts.name), platform::toQString(parts.quantity));
}

bool CategoryListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid())
        return false;
    list_.setTicked(static_cast<std::size_t>(index.row()), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags CategoryListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

void CategoryListModel::attach(controls::CheckListBox* view) {
    view_ = view;
    view->setModel(this);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                if (syncing_)
                    return;
                syncing_ = true;
                for (const QItemSelectionRange& r : deselected)
                    for (int row = r.top(); row <= r.bottom(); ++row)
                        list_.setSelected(static_cast<std::size_t>(row), false);
                for (const QItemSelectionRange& r : selected)
                    for (int row = r.top(); row <= r.bottom(); ++row)
                        list_.setSelected(static_cast<std::size_t>(row), true);
                syncing_ = false;
            });
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_)
                    list_.setFocused(current.isValid() ? current.row()
                                                       : model::CategoryList::NoFocus);
            });
}

void CategoryListModel::onListChanged(const model::ListChange& change) {
    const int first = static_cast<int>(change.first);
    const int last = static_cast<int>(change.last);
    switch (change.kind) {
    case model::ListChange::Reset:
        beginResetModel();
        endResetModel();
        pushSelectionToView();
        break;
    case model::ListChange::Appended:
        beginInsertRows({}, first, last);
        endInsertRows();
        break;
    case model::ListChange::Removed:
        beginRemoveRows({}, first, last);
        endRemoveRows();
        break;
    case model::ListChange::TextChanged:
        emit dataChanged(index(first), index(last), {Qt::DisplayRole});
        break;
    case model::ListChange::TickChanged:
        emit dataChanged(index(first), index(last), {Qt::CheckStateRole});
        break;
    case model::ListChange::SelectionChanged:
        if (!syncing_)
            pushSelectionToView();
        break;
    }
}

void CategoryListModel::pushSelectionToView() {
    if (!view_ || !view_->selectionModel())
        return;
    syncing_ = true;
    QItemSelection selection;
    const auto& lines = list_.lines();
    for (std::size_t i = 0; i < lines.size();) {
        if (!lines[i].selected) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end + 1 < lines.size() && lines[end + 1].selected)
            ++end;
        selection.select(index(static_cast<int>(i)), index(static_cast<int>(end)));
        i = end + 1;
    }
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const long long focused = list_.focused();
    view_->selectionModel()->setCurrentIndex(
        focused == model::CategoryList::NoFocus ? QModelIndex() : index(static_cast<int>(focused)),
        QItemSelectionModel::NoUpdate);
    syncing_ = false;
}

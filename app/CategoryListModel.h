#pragma once

#include "model/CategoryList.h"

#include <QAbstractListModel>

namespace controls {
class CheckListBox;
}

// Shows one category list of the document in a check list: texts, ticks, and the
// selection and focused line kept in step both ways. The document stays the truth.
class CategoryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    CategoryListModel(model::CategoryList& list, QObject* parent = nullptr);
    ~CategoryListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Binds the view's selection and current line to the list's selected flags and
    // focused line.
    void attach(controls::CheckListBox* view);
    model::CategoryList& list() { return list_; }

private:
    void onListChanged(const model::ListChange& change);
    void pushSelectionToView();

    model::CategoryList& list_;
    controls::CheckListBox* view_ = nullptr;
    bool syncing_ = false;
};

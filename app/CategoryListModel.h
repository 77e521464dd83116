#pragma once

#include "model/CategoryList.h"

#include <QAbstractListModel>
#include <string_view>

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
    // The part of a line the view can show; the list keeps the whole line.
    std::string_view visibleText(std::size_t row) const;
    QString accessibleText(std::size_t row) const;
    void onListChanged(const model::ListChange& change);
    void pushSelectionToView();

    model::CategoryList& list_;
    controls::CheckListBox* view_ = nullptr;
    bool syncing_ = false;
};

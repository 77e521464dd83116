#include "controls/AccessibleControls.h"

#include "controls/CheckListBox.h"
#include "controls/HeaderControl.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QItemSelectionModel>
#include <QPointer>
#include <QWindow>

namespace controls {

namespace {

// Children that are no widgets of their own are kept in Qt's accessibility registry, which
// owns them; their parent remembers the ids and frees them when it goes.
class ChildRegistry {
public:
    ChildRegistry() = default;
    ChildRegistry(const ChildRegistry&) = delete;
    ChildRegistry& operator=(const ChildRegistry&) = delete;
    ~ChildRegistry() {
        for (const QAccessible::Id id : std::as_const(ids_))
            QAccessible::deleteAccessibleInterface(id);
    }

    template <class Make> QAccessibleInterface* get(int index, Make make) {
        const auto found = ids_.constFind(index);
        if (found != ids_.cend())
            return QAccessible::accessibleInterface(*found);
        QAccessibleInterface* child = make();
        ids_.insert(index, QAccessible::registerAccessibleInterface(child));
        return child;
    }

private:
    QHash<int, QAccessible::Id> ids_;
};

// What every child without a widget of its own answers alike.
class LeafAccessible : public QAccessibleInterface {
public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
};

class HeaderSectionAccessible : public LeafAccessible {
public:
    HeaderSectionAccessible(HeaderControl* header, int section)
        : header_(header), section_(section) {}

    int section() const { return section_; }
    bool isValid() const override { return header_ && section_ < header_->sectionCount(); }
    QWindow* window() const override {
        return header_ ? header_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(header_.data());
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? header_->section(section_).text : QString();
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = header_->sectionRect(section_);
        return QRect(header_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            s.invalid = true;
        else if (header_->sectionSize(section_) == 0 || !header_->isVisible())
            s.invisible = true;
        return s;
    }

private:
    QPointer<HeaderControl> header_;
    int section_;
};

class HeaderAccessible : public QAccessibleWidget {
public:
    explicit HeaderAccessible(HeaderControl* header)
        : QAccessibleWidget(header, QAccessible::Grouping) {}

    int childCount() const override { return header()->sectionCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return sections_.get(index, [&] { return new HeaderSectionAccessible(header(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* section = dynamic_cast<const HeaderSectionAccessible*>(child);
        return section && section->isValid() && section->parent() == this ? section->section() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = header()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (header()->sectionRect(i).contains(at))
                return child(i);
        return nullptr;
    }

private:
    HeaderControl* header() const { return static_cast<HeaderControl*>(widget()); }
    mutable ChildRegistry sections_;
};

class CheckLineAccessible : public LeafAccessible, public QAccessibleActionInterface {
public:
    CheckLineAccessible(CheckListBox* list, int row) : list_(list), row_(row) {}

    int row() const { return row_; }
    bool isValid() const override {
        return list_ && list_->model() && row_ < list_->model()->rowCount();
    }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_.data());
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        const QVariant spoken = index().data(Qt::AccessibleTextRole);
        if (spoken.isValid())
            return spoken.toString();
        return index()
            .data(Qt::DisplayRole)
            .toString()
            .replace(QLatin1Char('\t'), QLatin1String(", "));
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = list_->visualRect(index());
        return QRect(list_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const QModelIndex line = index();
        s.selectable = true;
        s.focusable = true;
        s.checkable = true;
        s.checked = line.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        s.selected = list_->selectionModel() && list_->selectionModel()->isSelected(line);
        s.focused = list_->hasFocus() && list_->currentIndex() == line;
        s.offscreen = !list_->viewport()->rect().intersects(list_->visualRect(line));
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction() && isValid())
            list_->toggleCheck(index());
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    QModelIndex index() const { return list_->model()->index(row_, list_->modelColumn()); }

    QPointer<CheckListBox> list_;
    int row_;
};

class CheckListAccessible : public QAccessibleWidget {
public:
    explicit CheckListAccessible(CheckListBox* list) : QAccessibleWidget(list, QAccessible::List) {}

    int childCount() const override { return list()->model() ? list()->model()->rowCount() : 0; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return lines_.get(index, [&] { return new CheckLineAccessible(list(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* line = dynamic_cast<const CheckLineAccessible*>(child);
        return line && line->isValid() && line->parent() == this ? line->row() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex at = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return at.isValid() ? child(at.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = list()->currentIndex();
        return list()->hasFocus() && current.isValid() ? child(current.row()) : nullptr;
    }

private:
    CheckListBox* list() const { return static_cast<CheckListBox*>(widget()); }
    mutable ChildRegistry lines_;
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("controls::CheckListBox"))
        if (auto* list = qobject_cast<CheckListBox*>(object))
            return new CheckListAccessible(list);
    if (className == QLatin1String("controls::HeaderControl"))
        if (auto* header = qobject_cast<HeaderControl*>(object))
            return new HeaderAccessible(header);
    return nullptr;
}

} // namespace

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace controls

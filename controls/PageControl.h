#pragma once

#include <QTabWidget>
#include <QWidget>

namespace controls {

// One page of a PageControl; its caption is the page's tab text.
class TabSheet : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
public:
    explicit TabSheet(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

private:
    QString caption_;
};

// A page control whose tabs are drawn double-slanted, with hot-tracking and a
// highlight bar on the active tab.
class PageControl : public QTabWidget {
    Q_OBJECT
    Q_PROPERTY(QWidget* ActivePage READ activePage WRITE setActivePage)
public:
    static constexpr int TabHeight = 22;

    explicit PageControl(QWidget* parent = nullptr);

    void addSheet(TabSheet* sheet);
    TabSheet* sheet(int index) const;
    QWidget* activePage() const { return currentWidget(); }
    void setActivePage(QWidget* page);
};

} // namespace controls

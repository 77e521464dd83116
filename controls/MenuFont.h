#pragma once

#include <QFont>
#include <QObject>

namespace controls {

// Gives every pop-up and drop-down menu of the program, the fields' own menus included,
// one font: menus are windows of their own and would otherwise take the desktop's
// larger font instead of the menu bar's.
class MenuFont : public QObject {
    Q_OBJECT
public:
    MenuFont(const QFont& font, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFont font_;
};

} // namespace controls

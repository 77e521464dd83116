#pragma once

#include <QObject>

namespace controls {

// Shift+F10 asks the focused control for its pop-up menu exactly as the Menu key does:
// many keyboards have no Menu key. Watches the key events of the whole program while it
// lives.
class ContextMenuKey : public QObject {
    Q_OBJECT
public:
    explicit ContextMenuKey(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace controls

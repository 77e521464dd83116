#pragma once

#include <QFrame>
#include <QToolBar>

namespace controls {

// A panel with a status-style (sunken) border on its left and top edges only.
class StatusBorderPanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A tool bar with a grooved line along its top edge.
class GroovedToolBar : public QToolBar {
    Q_OBJECT
public:
    using QToolBar::QToolBar;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace controls

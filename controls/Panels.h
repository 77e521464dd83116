#pragma once

#include <QFrame>
#include <QLabel>
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

// A label as large as its text. It measures itself when it is shown, not when it is
// made, so a label on a page nobody has opened costs no font loading at start-up.
class AutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};

} // namespace controls

#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace controls {

class HintWindow;

// Replaces the program's hint window while it exists: hints appear after HidePause ms,
// after ReshowPause ms when the pointer moves from one hinted control to the next, and
// are drawn as speech balloons with the tail at the upper right, or as plain rectangles
// when the balloon style is off.
class BalloonHints : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool ShowBalloon READ showBalloon WRITE setShowBalloon)
public:
    static constexpr int HidePause = 500;
    static constexpr int ReshowPause = 50;
    static constexpr int CaptionWidth = 100;

    explicit BalloonHints(QObject* parent = nullptr);
    ~BalloonHints() override;

    bool showBalloon() const { return balloon_; }
    void setShowBalloon(bool balloon);

    // The hint window currently shown, if any (for tests and accessibility).
    QWidget* visibleHint() const;
    void showHint(QWidget* control, const QPoint& globalPos);
    void hideHint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool balloon_ = true;
    QPointer<QWidget> pending_;
    QPointer<QWidget> shownFor_;
    HintWindow* window_ = nullptr;
    QTimer showTimer_;
    QTimer hideTimer_;
    qint64 lastHiddenAt_ = 0;
};

} // namespace controls

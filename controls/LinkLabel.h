#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <functional>

namespace controls {

// A label that opens a target (a web address, a mailto: link) when clicked or when it has
// the focus and Enter or Space is pressed. Once a target has really been opened the link
// counts as visited and its text turns purple; when nothing can open it the click is
// silent. The open runs on: the link learns its outcome later, the window never waits.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    // Hands the target over and calls done, now or later, with whether something took it.
    using Opener =
        std::function<void(const QString& target, std::function<void(bool opened)> done)>;

    LinkLabel(const QString& caption, const QString& target, QWidget* parent = nullptr);

    void setOpener(Opener opener) { opener_ = std::move(opener); }
    const QString& target() const { return target_; }
    bool visited() const { return visited_; }

    static QColor linkColor() { return QColor(0, 0, 255); }
    static QColor visitedColor() { return QColor(128, 0, 128); }

    // Opens the target as a click does.
    void activate();

signals:
    void opened();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyColor();
    void openedNow();

    QString target_;
    Opener opener_;
    bool visited_ = false;
    bool pressed_ = false;
};

} // namespace controls

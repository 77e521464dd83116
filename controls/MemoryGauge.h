#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

namespace controls {

// A bar showing a percentage, with the percentage as text and as hint ("Memory: 57%").
// Given a sampler it reads a new figure at once and then on every tick of its timer,
// for as long as it exists.
class MemoryGauge : public QWidget {
    Q_OBJECT
public:
    using Sampler = std::function<int()>;

    explicit MemoryGauge(QWidget* parent = nullptr);

    void setSampler(Sampler sampler, int intervalMs = 500);
    int interval() const { return timer_.interval(); }

    int percent() const { return percent_; }
    // Clamped to 0..100; updates the bar, the text and the hint.
    void setPercent(int percent);
    QString text() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void sample();

    Sampler sampler_;
    QTimer timer_;
    int percent_ = 0;
};

} // namespace controls

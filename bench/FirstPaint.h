#pragma once

// Ends the program at the first paint event of any widget, after writing that moment
// on the monotonic clock (in the clock's ticks) to standard output. Both start-up
// probes use it, so the real window and the bare one are timed alike.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <chrono>
#include <cstdio>

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && !painted_) {
            painted_ = true;
            const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
            std::printf("%lld\n", static_cast<long long>(now));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return false;
    }

private:
    bool painted_ = false;
};

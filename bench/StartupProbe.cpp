// Starts either the real main window or a bare QMainWindow and exits at the first paint,
// so that a benchmark can time process start to first paint for both alike. It writes
// the moment of the first paint on the monotonic clock, in that clock's ticks.
#include "app/ErrorBox.h"
#include "app/Fonts.h"
#include "app/Main.h"

#include <QEvent>
#include <QMainWindow>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

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

} // namespace

int main(int argc, char** argv) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    ProvendoApplication app(argc, argv);
    ProvendoApplication::setApplicationName(QStringLiteral("Provendo"));
    FirstPaint probe;
    app.installEventFilter(&probe);
    std::unique_ptr<QMainWindow> window;
    if (bare) {
        window = std::make_unique<QMainWindow>();
    } else {
        Fonts::installSubstitutes();
        window = std::make_unique<TfrmMain>();
    }
    window->show();
    return ProvendoApplication::exec();
}

// Starts either the real main window or a bare QMainWindow and exits at the first paint,
// so that a benchmark can time process start to first paint for both alike.
#include "app/ErrorBox.h"
#include "app/Fonts.h"
#include "app/Main.h"

#include <QEvent>
#include <QMainWindow>
#include <cstring>
#include <memory>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            QCoreApplication::exit(0);
        return false;
    }
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

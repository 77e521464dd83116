// Starts the program as its main() does and exits at the first paint of the window, so
// that a benchmark can time process start to first paint.
#include "app/ErrorBox.h"
#include "app/Fonts.h"
#include "app/Main.h"
#include "bench/FirstPaint.h"
#include "controls/ProgramStyle.h"
#include "platform/FontPreload.h"

#include <QScopeGuard>

int main(int argc, char** argv) {
    platform::FontPreload fontPreload;
    ProvendoApplication app(argc, argv);
    const auto joinFontPreload = qScopeGuard([&fontPreload] { fontPreload.join(); });
    ProvendoApplication::setApplicationName(QStringLiteral("Provendo"));
    ProvendoApplication::setApplicationDisplayName(QStringLiteral("Provendo"));
    ProvendoApplication::setStyle(new controls::ProgramStyle);
    Fonts::installSubstitutes();
    FirstPaint probe;
    app.installEventFilter(&probe);
    TfrmMain window;
    window.show();
    return ProvendoApplication::exec();
}

// Starts the program as its main() does and exits at the first paint of the window, so
// that a benchmark can time process start to first paint.
#include "app/Main.h"
#include "app/ProgramStart.h"
#include "bench/FirstPaint.h"

int main(int argc, char** argv) {
    ProgramStart start(argc, argv);
    FirstPaint probe;
    start.application().installEventFilter(&probe);
    TfrmMain window;
    window.show();
    return ProvendoApplication::exec();
}

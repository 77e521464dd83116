// Process start to first paint of the main window, next to a bare QMainWindow built and
// measured the same way. Run with a display, or offscreen (QT_QPA_PLATFORM=offscreen).
#include <QCoreApplication>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

QString probePath;

void runProbe(benchmark::State& state, const char* mode) {
    for (auto _ : state) {
        QProcess probe;
        probe.start(probePath, {QString::fromLatin1(mode)});
        if (!probe.waitForFinished(30000) || probe.exitCode() != 0) {
            state.SkipWithError("the probe did not paint");
            return;
        }
    }
}

void BM_StartToFirstPaint_BareWindow(benchmark::State& state) {
    runProbe(state, "bare");
}
void BM_StartToFirstPaint_MainWindow(benchmark::State& state) {
    runProbe(state, "main");
}

BENCHMARK(BM_StartToFirstPaint_BareWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);
BENCHMARK(BM_StartToFirstPaint_MainWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    probePath = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup_probe");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

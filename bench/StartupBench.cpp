// Process start to first paint of the main window, next to a bare QMainWindow built and
// measured the same way. Run with a display, or offscreen (QT_QPA_PLATFORM=offscreen).
// The main window starts once with no stored settings at all and once with everything a
// previous run stored, so that the cost of restoring shows as the difference.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString probePath;

// Runs the probe once with its settings kept under configHome; false when it failed.
bool startProbe(const char* mode, const QString& configHome) {
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    probe.setProcessEnvironment(environment);
    probe.start(probePath, {QString::fromLatin1(mode)});
    return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
           probe.exitCode() == 0;
}

enum class Stored { Nothing, Everything };

void runProbe(benchmark::State& state, const char* mode, Stored stored = Stored::Nothing) {
    const QTemporaryDir configHome;
    if (stored == Stored::Everything && !startProbe(mode, configHome.path())) {
        state.SkipWithError("the probe did not paint");
        return;
    }
    for (auto _ : state) {
        if (stored == Stored::Nothing) {
            state.PauseTiming();
            QDir(configHome.path() + QStringLiteral("/Provendo")).removeRecursively();
            state.ResumeTiming();
        }
        if (!startProbe(mode, configHome.path())) {
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
void BM_StartToFirstPaint_MainWindowStoredSettings(benchmark::State& state) {
    runProbe(state, "main", Stored::Everything);
}

BENCHMARK(BM_StartToFirstPaint_BareWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);
BENCHMARK(BM_StartToFirstPaint_MainWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);
BENCHMARK(BM_StartToFirstPaint_MainWindowStoredSettings)
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

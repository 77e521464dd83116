// Process start to first paint of the main window, next to a bare QMainWindow built and
// measured the same way. Run with a display, or offscreen (QT_QPA_PLATFORM=offscreen).
// The main window starts once with no stored settings at all and once with everything a
// previous run stored, so that the cost of restoring shows as the difference.
//
// The time is taken from just before the process is started to the moment the probe sees
// its first paint event (both read the same monotonic clock); the probe's end, which
// saves the window's settings, is counted apart as "whole_run_ms".
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <optional>

namespace {

QString probePath;

struct ProbeRun {
    double toFirstPaint; // seconds
    double whole;
};

// Runs the probe once with its settings kept under configHome; nothing when it failed.
std::optional<ProbeRun> startProbe(const char* mode, const QString& configHome) {
    using Clock = std::chrono::steady_clock;
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    probe.setProcessEnvironment(environment);
    const Clock::time_point start = Clock::now();
    probe.start(probePath, {QString::fromLatin1(mode)});
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        return std::nullopt;
    const double whole = std::chrono::duration<double>(Clock::now() - start).count();
    bool ok = false;
    const long long painted = probe.readAllStandardOutput().trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const Clock::time_point paint{Clock::duration(painted)};
    return ProbeRun{std::chrono::duration<double>(paint - start).count(), whole};
}

enum class Stored { Nothing, Everything };

void runProbe(benchmark::State& state, const char* mode, Stored stored = Stored::Nothing) {
    const QTemporaryDir configHome;
    if (stored == Stored::Everything && !startProbe(mode, configHome.path())) {
        state.SkipWithError("the probe did not paint");
        return;
    }
    double whole = 0;
    for (auto _ : state) {
        if (stored == Stored::Nothing)
            QDir(configHome.path() + QStringLiteral("/Provendo")).removeRecursively();
        const std::optional<ProbeRun> run = startProbe(mode, configHome.path());
        if (!run) {
            state.SkipWithError("the probe did not paint");
            return;
        }
        state.SetIterationTime(run->toFirstPaint);
        whole += run->whole;
    }
    state.counters["whole_run_ms"] =
        benchmark::Counter(whole * 1000, benchmark::Counter::kAvgIterations);
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
    ->UseManualTime()
    ->Iterations(20);
BENCHMARK(BM_StartToFirstPaint_MainWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);
BENCHMARK(BM_StartToFirstPaint_MainWindowStoredSettings)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
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

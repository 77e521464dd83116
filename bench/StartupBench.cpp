// Process start to first paint of the program's main window, next to a bare QMainWindow
// program (Qt Widgets alone) measured the same way. Run with a display, or offscreen
// (QT_QPA_PLATFORM=offscreen).
//
// Each iteration starts the bare program, the program with no stored settings and the
// program with everything a previous run stored, in an order that rotates from one
// iteration to the next: a start right after the program's own end is slower (the display
// server is still freeing the last window), and rotating spreads that over all three.
// The counters are the medians. The time runs from just before the process is started to
// the moment the probe sees its first paint event (both read the same monotonic clock),
// so the settings save at the probe's end is not counted.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <optional>
#include <vector>

namespace {

QString probePath;
QString barePath;

// Starts a probe with its settings under configHome; the seconds to its first paint, or
// nothing when it failed.
std::optional<double> toFirstPaint(const QString& program, const QString& configHome) {
    using Clock = std::chrono::steady_clock;
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    probe.setProcessEnvironment(environment);
    const Clock::time_point start = Clock::now();
    probe.start(program, {});
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        return std::nullopt;
    bool ok = false;
    const long long painted = probe.readAllStandardOutput().trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const Clock::time_point paint{Clock::duration(painted)};
    return std::chrono::duration<double>(paint - start).count();
}

double medianMs(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    const std::size_t n = seconds.size();
    return n == 0 ? 0 : 1000 * (n % 2 ? seconds[n / 2] : (seconds[n / 2 - 1] + seconds[n / 2]) / 2);
}

void BM_StartToFirstPaint(benchmark::State& state) {
    const QTemporaryDir empty;
    const QTemporaryDir stored;
    // One run to leave a full configuration behind.
    if (!toFirstPaint(probePath, stored.path())) {
        state.SkipWithError("the probe did not paint");
        return;
    }
    struct Kind {
        const QString& program;
        const QTemporaryDir& config;
        std::vector<double> seconds;
    };
    Kind kinds[] = {{barePath, empty, {}}, {probePath, empty, {}}, {probePath, stored, {}}};
    std::size_t turn = 0;
    for (auto _ : state) {
        for (std::size_t k = 0; k < 3; ++k) {
            Kind& kind = kinds[(turn + k) % 3];
            QDir(empty.path() + QStringLiteral("/Provendo")).removeRecursively();
            const auto seconds = toFirstPaint(kind.program, kind.config.path());
            if (!seconds) {
                state.SkipWithError("a probe did not paint");
                return;
            }
            kind.seconds.push_back(*seconds);
        }
        state.SetIterationTime(kinds[1].seconds.back());
        ++turn;
    }
    const double bareMs = medianMs(kinds[0].seconds);
    const double mainMs = medianMs(kinds[1].seconds);
    const double restoredMs = medianMs(kinds[2].seconds);
    state.counters["bare_ms"] = bareMs;
    state.counters["main_ms"] = mainMs;
    state.counters["stored_ms"] = restoredMs;
    state.counters["main_vs_bare"] = mainMs / bareMs;
    state.counters["stored_vs_empty"] = restoredMs / mainMs;
}

BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(60);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    probePath = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup_probe");
    barePath = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup_bare");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

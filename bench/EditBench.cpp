// Deleting a large selection through the window's Delete command: one pass over the
// list, then one repaint of the view.
#include "app/Main.h"
#include "controls/CheckListBox.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

constexpr std::size_t ListSize = 1'000'000;

void BM_DeleteSelectedThroughCommand(benchmark::State& state) {
    const auto selected = static_cast<std::size_t>(state.range(0));
    TfrmMain window;
    window.show();
    model::CategoryList& list = window.document().list(0);
    const std::size_t step = ListSize / selected;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> lines;
        lines.reserve(ListSize);
        lines.emplace_back("//Dairy");
        for (std::size_t i = 1; i < ListSize; ++i)
            lines.push_back("Item number " + std::to_string(i) + "\t1");
        list.assign(std::vector<std::string_view>(lines.begin(), lines.end()));
        std::vector<std::size_t> chosen;
        for (std::size_t i = 1; chosen.size() < selected; i += step)
            chosen.push_back(i);
        list.selectOnly(chosen);
        QApplication::processEvents();
        state.ResumeTiming();

        window.mnuPFoodDeleteClick();
        window.page(0).list->repaint();
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["remaining"] = static_cast<double>(list.count());
}
BENCHMARK(BM_DeleteSelectedThroughCommand)
    ->Arg(100'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

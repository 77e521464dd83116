// The window's commands on large lists: deleting a large selection (one pass over the
// list, then one repaint of the view), and opening a large list file through File > Open
// up to the repainted page.
#include "app/GlobalData.h"
#include "app/Main.h"
#include "app/ModalSeam.h"
#include "controls/CheckListBox.h"
#include "files/ListFile.h"

#include <QApplication>
#include <QTemporaryDir>
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

// A list file of about 20 bytes a line, spread over the ten categories.
void BM_OpenThroughWindow(benchmark::State& state) {
    const QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/large.slf";
    {
        model::Document document;
        const long long perList = state.range(0) / model::CategoryCount;
        for (int category = 0; category < model::CategoryCount; ++category)
            for (long long i = 1; i < perList; ++i)
                document.list(category).append("Item number " + std::to_string(1000000 + i) +
                                               "\t1");
        files::SaveListFile(document, path);
    }
    TfrmMain window;
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        ModalSeam::push([&](const ModalSeam::Request&) {
            return ModalSeam::Answer{0, QString::fromStdString(path)};
        });
        window.MainMenuFileOpenClick();
        window.page(0).list->repaint();
        benchmark::DoNotOptimize(window.document().list(9).count());
    }
    GlobalData::gCurrentFile.clear();
}
BENCHMARK(BM_OpenThroughWindow)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window keeps its settings; here they go to a folder of the run's own.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

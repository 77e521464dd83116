#include "model/CategoryList.h"

#include <benchmark/benchmark.h>

namespace {

model::CategoryList filledList(std::size_t lines) {
    model::CategoryList list;
    list.append("//Dairy");
    for (std::size_t i = 1; i < lines; ++i)
        list.append("Item number " + std::to_string(i) + "\t2");
    return list;
}

void BM_Append(benchmark::State& state) {
    for (auto _ : state) {
        model::CategoryList list = filledList(static_cast<std::size_t>(state.range(0)));
        benchmark::DoNotOptimize(list.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Append)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Deletes every n-th line of a 1,000,000-line list; the pass must be linear.
void BM_RemoveSelected(benchmark::State& state) {
    const auto selected = static_cast<std::size_t>(state.range(0));
    const std::size_t total = 1'000'000;
    const model::CategoryList base = filledList(total);
    for (auto _ : state) {
        state.PauseTiming();
        model::CategoryList list = base;
        const std::size_t step = total / selected;
        for (std::size_t i = 1; i < total; i += step)
            list.setSelected(i, true);
        state.ResumeTiming();
        benchmark::DoNotOptimize(list.removeSelected());
    }
}
BENCHMARK(BM_RemoveSelected)->Arg(100'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

void BM_TickAll(benchmark::State& state) {
    model::CategoryList list = filledList(1'000'000);
    bool ticked = false;
    for (auto _ : state) {
        ticked = !ticked;
        list.setAllTicked(ticked);
    }
}
BENCHMARK(BM_TickAll)->Unit(benchmark::kMillisecond);

// Bytes each line costs beyond its text: the line record itself.
void BM_LineFootprint(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(sizeof(model::Line));
    state.counters["bytes_per_line_record"] = static_cast<double>(sizeof(model::Line));
}
BENCHMARK(BM_LineFootprint);

} // namespace

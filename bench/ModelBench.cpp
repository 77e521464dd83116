#include "model/CategoryList.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

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

std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd; // small chunks plus mmapped blocks
}

// Heap bytes a line costs beyond its text, measured from the allocator for 1,000,000
// lines of 20 characters (long enough to live outside the string's own buffer).
void BM_MemoryPerLine(benchmark::State& state) {
    const std::string text(20, 'x');
    double overhead = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        model::CategoryList list;
        for (int i = 0; i < 1'000'000; ++i)
            list.append(text);
        const std::size_t after = heapInUse();
        overhead = static_cast<double>(after - before) / 1e6 - static_cast<double>(text.size());
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["bytes_beyond_text_per_line"] = overhead;
    state.counters["line_record_bytes"] = static_cast<double>(sizeof(model::Line));
}
BENCHMARK(BM_MemoryPerLine)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

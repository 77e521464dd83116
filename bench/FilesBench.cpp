// Open and save of large list files, beside the system's own tools on the same files:
// reading against "wc -l", writing against "cp". Each tool run is one process start.
#include "files/ListFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The benchmark's files go when it ends.
struct Folder {
    fs::path path;
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

fs::path folder() {
    static const Folder made{[] {
        fs::path p =
            fs::temp_directory_path() / ("provendo-files-bench-" + std::to_string(::getpid()));
        fs::create_directories(p);
        return p;
    }()};
    return made.path;
}

// About 20 bytes a line, ten categories of equal size.
model::Document documentOf(long long lines) {
    model::Document document;
    const long long perList = lines / model::CategoryCount;
    for (int category = 0; category < model::CategoryCount; ++category)
        for (long long i = 1; i < perList; ++i)
            document.list(category).append("Item number " + std::to_string(1000000 + i) + "\t1");
    return document;
}

std::string listFile(long long lines) {
    const std::string path = (folder() / ("list-" + std::to_string(lines) + ".slf")).string();
    if (!fs::exists(path))
        files::SaveListFile(documentOf(lines), path);
    return path;
}

void run(const std::string& command, benchmark::State& state) {
    if (std::system(command.c_str()) != 0)
        state.SkipWithError(("failed: " + command).c_str());
}

void setBytes(benchmark::State& state, const std::string& path) {
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(fs::file_size(path)));
}

void BM_OpenReadGroupRebuild(benchmark::State& state) {
    const std::string path = listFile(state.range(0));
    model::Document document;
    for (auto _ : state) {
        const std::string bytes = files::readFileBytes(path);
        const files::ListGroups groups = files::groupListLines(bytes);
        for (std::size_t k = 0; k < groups.size() && k < model::CategoryCount; ++k)
            files::assignGroup(document.list(static_cast<int>(k)), groups[k]);
        benchmark::DoNotOptimize(document.list(9).count());
    }
    setBytes(state, path);
}

void BM_WcLines(benchmark::State& state) {
    const std::string path = listFile(state.range(0));
    for (auto _ : state)
        run("wc -l '" + path + "' > /dev/null", state);
    setBytes(state, path);
}

void BM_SaveListFile(benchmark::State& state) {
    const model::Document document = documentOf(state.range(0));
    const std::string path = (folder() / "saved.slf").string();
    for (auto _ : state)
        files::SaveListFile(document, path);
    setBytes(state, path);
}

void BM_Copy(benchmark::State& state) {
    const std::string path = listFile(state.range(0));
    const std::string copy = (folder() / "copied.slf").string();
    for (auto _ : state)
        run("cp '" + path + "' '" + copy + "'", state);
    setBytes(state, path);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_OpenReadGroupRebuild)->Apply(sizes);
BENCHMARK(BM_WcLines)->Apply(sizes);
BENCHMARK(BM_SaveListFile)->Apply(sizes);
BENCHMARK(BM_Copy)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();

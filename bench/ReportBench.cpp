#include "controls/ProgramLook.h"
#include "report/ReportLayout.h"
#include "report/ReportPreview.h"
#include "share/ReportTables.h"
#include "share/ShoppingReport.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// n ticked items spread over the ten categories, with notes.
model::Document tickedDocument(int n) {
    model::Document doc;
    for (int i = 0; i < n; ++i) {
        auto& list = doc.list(i % model::CategoryCount);
        list.setTicked(
            list.append("Item number " + std::to_string(i) + "\t" + std::to_string(i % 100 + 1)),
            true);
    }
    doc.setNotes("Buy bread\r\nand a newspaper on the way home");
    return doc;
}

const share::Clock fixedDay = [] { return QDate(2004, 8, 16); };

void BM_FillAndLayout(benchmark::State& state) {
    const model::Document doc = tickedDocument(static_cast<int>(state.range(0)));
    const report::FontMetricsMeasure measure;
    share::ReportTables tables;
    std::size_t pages = 0;
    for (auto _ : state) {
        share::FillReportTables(doc, tables, fixedDay);
        const auto layout = report::layoutReport(share::shoppingListReport(),
                                                 share::shoppingListData(tables), measure);
        pages = layout->pages.size();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = static_cast<double>(pages);
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FillAndLayout)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// From the print command's start to the first preview page painted, 100,000 items.
void BM_FirstPreviewPage(benchmark::State& state) {
    const model::Document doc = tickedDocument(static_cast<int>(state.range(0)));
    share::ReportTables tables;
    for (auto _ : state) {
        share::FillReportTables(doc, tables, fixedDay);
        const report::FontMetricsMeasure measure;
        const auto layout = report::layoutReport(share::shoppingListReport(),
                                                 share::shoppingListData(tables), measure);
        report::ReportPreview preview(QStringLiteral("Report Preview"), *layout, false);
        preview.resize(1280, 1024);
        QImage image(preview.area()->viewport()->size(), QImage::Format_RGB32);
        preview.area()->viewport()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_FirstPreviewPage)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    controls::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

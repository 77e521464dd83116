// Settings: each value kind written and read back through the registry layer, a
// window's worth of values (30) saved to and restored from the REGEDIT4 file store, and
// the large cases: store files of many keys, many values in one key, a deep key, and a
// header value of many sections.
#include "controls/HeaderControl.h"
#include "platform/FileRegistryStore.h"
#include "platform/MemoryRegistryStore.h"
#include "platform/RegTree.h"
#include "settings/PCollection.h"
#include "settings/PSetting.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

// A window with eight headers and twenty captioned components.
struct Window {
    QWidget widget;
    std::vector<TPSetting*> settings;
    Window() {
        widget.setObjectName("frmMain");
        for (int i = 0; i < 8; ++i) {
            auto* header = new controls::HeaderControl(&widget);
            header->setObjectName(QString("hdr%1").arg(i));
            header->setSections({{"Item", 300}, {"Quantity", 100}});
            add(QString("hdr%1.Sections").arg(i).toStdString());
        }
        for (int i = 0; i < 20; ++i) {
            auto* w = new QWidget(&widget);
            w->setObjectName(QString("ts%1").arg(i));
            w->setWindowTitle(QString("Category %1").arg(i));
            add(QString("ts%1.windowTitle").arg(i).toStdString());
        }
        add("frmMain.enabled");
        add("frmMain.width");
    }
    void add(const std::string& path) {
        auto* s = new TPSetting(&widget);
        s->SetWindow(&widget);
        s->BoundProperty = path;
        settings.push_back(s);
    }
};

const std::string kKey = "Software\\Quillmere Software\\Provendo\\1.0\\frmMain";

using Setter = std::function<void(TPSetting&)>;

const std::vector<std::pair<const char*, Setter>>& kinds() {
    static const std::vector<std::pair<const char*, Setter>> list = {
        {"String", [](TPSetting& s) { s.SetAsString("C:\\Shopping\\Lists"); }},
        {"Integer", [](TPSetting& s) { s.SetAsInteger(217); }},
        {"Float", [](TPSetting& s) { s.SetAsFloat(3.25); }},
        {"Boolean", [](TPSetting& s) { s.SetAsBoolean(true); }},
        {"DateTime", [](TPSetting& s) { s.SetAsDateTime({45000.5}); }},
        {"Variant", [](TPSetting& s) { s.SetAsVariant(QString("value")); }},
        {"Strings",
         [](TPSetting& s) {
             s.SetAsStrings({"a.slf", "b c.slf", "d.slf"});
         }},
    };
    return list;
}

void BM_SaveKind(benchmark::State& state) {
    const auto& [name, set] = kinds()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(name);
    platform::MemoryRegistryStore store;
    TPRegistry registry(store);
    TPSetting setting;
    setting.Name = std::string("v"); // assigning the literal trips a GCC 12 -O3 false warning
    set(setting);
    for (auto _ : state)
        setting.SaveValue(registry, kKey, true);
}
BENCHMARK(BM_SaveKind)->DenseRange(0, 6);

void BM_RestoreKind(benchmark::State& state) {
    const auto& [name, set] = kinds()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(name);
    platform::MemoryRegistryStore store;
    TPRegistry registry(store);
    TPSetting setting;
    setting.Name = std::string("v"); // assigning the literal trips a GCC 12 -O3 false warning
    set(setting);
    setting.SaveValue(registry, kKey, true);
    for (auto _ : state)
        setting.RestoreValue(registry, kKey);
}
BENCHMARK(BM_RestoreKind)->DenseRange(0, 6);

void BM_SectionsEncode(benchmark::State& state) {
    controls::HeaderControl header;
    header.setSections({{"Item", 300}, {"Quantity", 100}});
    for (auto _ : state)
        benchmark::DoNotOptimize(pcollection::encodeCollection(header.sectionsCollection()));
}
BENCHMARK(BM_SectionsEncode);

void BM_SectionsDecode(benchmark::State& state) {
    controls::HeaderControl header;
    header.setSections({{"Item", 300}, {"Quantity", 100}});
    const std::string data = pcollection::encodeCollection(header.sectionsCollection());
    for (auto _ : state)
        pcollection::decodeCollection(header.sectionsCollection(), data);
}
BENCHMARK(BM_SectionsDecode);

void BM_Save30ToFile(benchmark::State& state) {
    QTemporaryDir dir;
    platform::FileRegistryStore store(dir.path().toStdString(), "");
    TPRegistry registry(store);
    Window window;
    for (auto _ : state) {
        platform::RegistryBatch batch(store); // one file replace for the whole save
        for (TPSetting* s : window.settings)
            s->SaveValue(registry, kKey, true);
    }
    state.counters["values"] = static_cast<double>(window.settings.size());
}
BENCHMARK(BM_Save30ToFile)->Unit(benchmark::kMicrosecond);

void BM_Restore30FromFile(benchmark::State& state) {
    QTemporaryDir dir;
    Window window;
    {
        platform::FileRegistryStore store(dir.path().toStdString(), "");
        TPRegistry registry(store);
        platform::RegistryBatch batch(store);
        for (TPSetting* s : window.settings)
            s->SaveValue(registry, kKey, true);
    }
    for (auto _ : state) {
        // A fresh start: the file is read and parsed, then every value restored.
        platform::FileRegistryStore store(dir.path().toStdString(), "");
        TPRegistry registry(store);
        for (TPSetting* s : window.settings)
            s->RestoreValue(registry, kKey);
    }
}
BENCHMARK(BM_Restore30FromFile)->Unit(benchmark::kMicrosecond);

// A store file of n keys with ten values each, read and written whole.
std::string storeFile(int keys, int valuesPerKey) {
    std::string text = "REGEDIT4\r\n\r\n";
    for (int k = 0; k < keys; ++k) {
        text += "[HKEY_CURRENT_USER\\Software\\Quillmere Software\\Provendo\\1.0\\k" +
                std::to_string(k) + "]\r\n";
        for (int v = 0; v < valuesPerKey; ++v)
            text += "\"Value" + std::to_string(v) + "\"=dword:0000002a\r\n";
        text += "\r\n";
    }
    return text;
}

void BM_StoreReadWriteKeys(benchmark::State& state) {
    const std::string text = storeFile(static_cast<int>(state.range(0)), 10);
    for (auto _ : state) {
        const auto parsed = platform::parseRegEdit4(text, "HKEY_CURRENT_USER");
        benchmark::DoNotOptimize(platform::writeRegEdit4(parsed.tree, "HKEY_CURRENT_USER"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_StoreReadWriteKeys)
    ->RangeMultiplier(4)
    ->Range(256, 16384)
    ->Unit(benchmark::kMillisecond);

// Many values in one key: each value is found by its name, not by a walk of the key.
void BM_StoreReadWriteValuesInOneKey(benchmark::State& state) {
    const std::string text = storeFile(1, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const auto parsed = platform::parseRegEdit4(text, "HKEY_CURRENT_USER");
        benchmark::DoNotOptimize(platform::writeRegEdit4(parsed.tree, "HKEY_CURRENT_USER"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_StoreReadWriteValuesInOneKey)
    ->RangeMultiplier(4)
    ->Range(1024, 65536)
    ->Unit(benchmark::kMillisecond);

// One key as deep as the text allows: n levels of one letter each.
void BM_StoreReadDeepKey(benchmark::State& state) {
    std::string path;
    for (int i = 0; i < state.range(0); ++i)
        path += i == 0 ? "k" : "\\k";
    const std::string text =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + path + "]\r\n\"v\"=dword:1\r\n";
    for (auto _ : state) {
        const auto parsed = platform::parseRegEdit4(text, "HKEY_CURRENT_USER");
        benchmark::DoNotOptimize(platform::writeRegEdit4(parsed.tree, "HKEY_CURRENT_USER"));
    }
}
BENCHMARK(BM_StoreReadDeepKey)->Arg(512)->Arg(2048)->Arg(10000)->Unit(benchmark::kMillisecond);

// A stored header value of n sections restored into a header.
void BM_RestoreManySections(benchmark::State& state) {
    controls::HeaderControl header;
    std::vector<controls::HeaderControl::Section> sections;
    for (int i = 0; i < state.range(0); ++i)
        sections.push_back({QString("Section %1").arg(i), 40});
    header.setSections(sections);
    const std::string data = pcollection::encodeCollection(header.sectionsCollection());
    for (auto _ : state)
        pcollection::decodeCollection(header.sectionsCollection(), data);
    state.counters["sections"] = static_cast<double>(header.sectionCount());
}
BENCHMARK(BM_RestoreManySections)
    ->RangeMultiplier(4)
    ->Range(625, 40000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

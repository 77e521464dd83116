// Settings: each value kind written and read back through the registry layer, and a
// window's worth of values (30) saved to and restored from the REGEDIT4 file store.
#include "controls/HeaderControl.h"
#include "platform/FileRegistryStore.h"
#include "platform/RegTree.h"
#include "settings/PCollection.h"
#include "settings/PSetting.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

// The registry in memory only, so that the figures show the value formats alone.
class MemoryKey : public platform::RegistryKey {
public:
    MemoryKey(platform::RegTree& tree, std::string path) : tree_(tree), path_(std::move(path)) {}
    bool writable() const override { return true; }
    std::optional<platform::RegValue> value(const std::string& name) const override {
        if (const auto* key = tree_.key(path_))
            for (const auto& [n, v] : key->values)
                if (platform::RegTree::fold(n) == platform::RegTree::fold(name))
                    return v;
        return std::nullopt;
    }
    bool setValue(const std::string& name, const platform::RegValue& v) override {
        return tree_.setValue(path_, name, v);
    }
    bool deleteValue(const std::string& name) override { return tree_.deleteValue(path_, name); }
    std::vector<std::string> valueNames() const override { return {}; }
    std::vector<std::string> subkeyNames() const override { return tree_.subkeyNames(path_); }

private:
    platform::RegTree& tree_;
    std::string path_;
};

class MemoryStore : public platform::RegistryStore {
public:
    std::unique_ptr<platform::RegistryKey> openKey(platform::RootKey, const std::string& path,
                                                   bool create) override {
        if (!tree_.hasKey(path)) {
            if (!create)
                return nullptr;
            tree_.createKey(path);
        }
        return std::make_unique<MemoryKey>(tree_, path);
    }
    bool deleteKey(platform::RootKey, const std::string& path) override {
        return tree_.deleteKey(path);
    }

private:
    platform::RegTree tree_;
};

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
    MemoryStore store;
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
    MemoryStore store;
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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// A header's sections restored from a stored value and saved through the real control:
// whatever the value held, the header survives, and what it saves restores to the same
// sections and saves to the same bytes again.
#include "controls/HeaderControl.h"
#include "fuzz/FuzzCheck.h"
#include "platform/MemoryRegistryStore.h"
#include "settings/PRegistry.h"
#include "settings/PSetting.h"

#include <QApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kKey = "Software\\Fuzz\\frmMain";

struct Window {
    QWidget widget;
    controls::HeaderControl* header;
    TPSetting* setting;
    Window() {
        widget.setObjectName("frmMain");
        header = new controls::HeaderControl(&widget);
        header->setObjectName("hdrDairy");
        setting = new TPSetting(&widget);
        setting->SetWindow(&widget);
        setting->BoundProperty = "hdrDairy.Sections";
    }
};

struct SectionState {
    std::vector<QString> texts;
    std::vector<int> widths;
    bool operator==(const SectionState&) const = default;
};

SectionState stateOf(const controls::HeaderControl& header) {
    SectionState state;
    for (int i = 0; i < header.sectionCount(); ++i)
        state.texts.push_back(header.section(i).text);
    state.widths = header.sectionWidths();
    return state;
}

// Restores the value into a header as designed, then saves it.
platform::RegValue restoreAndSave(platform::MemoryRegistryStore& store,
                                  const platform::RegValue& stored, SectionState& state) {
    Window window;
    window.header->setSections({{"Item", 300}, {"Quantity", 100}});
    store.clear();
    store.openKey(platform::RootKey::CurrentUser, kKey + "\\hdrDairy", true)
        ->setValue("Sections", stored);
    TPRegistry registry(store);
    window.setting->RestoreValue(registry, kKey);
    state = stateOf(*window.header);
    window.setting->SaveValue(registry, kKey, true);
    const auto saved = store.openKey(platform::RootKey::CurrentUser, kKey + "\\hdrDairy", false)
                           ->value("Sections");
    FUZZ_CHECK(saved.has_value());
    return *saved;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static platform::MemoryRegistryStore store;
    const platform::RegValue input =
        platform::RegValue::binary(std::string(reinterpret_cast<const char*>(data), size));
    SectionState first, second, third;
    const platform::RegValue once = restoreAndSave(store, input, first);
    const platform::RegValue twice = restoreAndSave(store, once, second);
    FUZZ_CHECK(second == first);
    FUZZ_CHECK(restoreAndSave(store, twice, third) == twice);
    return 0;
}

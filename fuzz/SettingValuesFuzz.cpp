// The value formats of the settings: comma text, the 10-byte float, numbers typed as
// text, and a free-standing setting's binary value (plain or scrambled) read, written
// and read again. What is accepted once comes back the same every time after.
#include "fuzz/FuzzCheck.h"
#include "platform/MemoryRegistryStore.h"
#include "settings/PBinary.h"
#include "settings/PRegistry.h"
#include "settings/PSetting.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

const std::string kKey = "Software\\Fuzz";

bool sameNumber(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameValue(const TPValue& a, const TPValue& b) {
    return a.kind == b.kind && a.text == b.text && a.integer == b.integer &&
           sameNumber(a.number, b.number) && a.boolean == b.boolean;
}

void commaText(std::string_view text) {
    const std::vector<std::string> items = pbinary::fromCommaText(text);
    const std::string written = pbinary::toCommaText(items);
    FUZZ_CHECK(pbinary::fromCommaText(written) == items);
    FUZZ_CHECK(pbinary::toCommaText(pbinary::fromCommaText(written)) == written);
}

void extended(std::string_view bytes) {
    if (bytes.size() < 10)
        return;
    const double value = pbinary::fromExtended(bytes.substr(0, 10));
    const std::string written = pbinary::toExtended(value);
    FUZZ_CHECK(written.size() == 10);
    FUZZ_CHECK(sameNumber(pbinary::fromExtended(written), value));
}

void number(std::string_view text) {
    if (const auto value = pbinary::readNumber(text)) {
        FUZZ_CHECK(std::isfinite(*value));
        const auto again = pbinary::readNumber(pbinary::formatFloat(*value));
        FUZZ_CHECK(again && std::isfinite(*again));
    }
}

// Restores the stored value into a new setting and saves it again.
platform::RegValue restoreAndSave(platform::MemoryRegistryStore& store,
                                  const platform::RegValue& stored, bool encrypted,
                                  TPValue& value) {
    store.clear();
    store.openKey(platform::RootKey::CurrentUser, kKey, true)->setValue("Value", stored);
    TPRegistry registry(store);
    TPSetting setting;
    setting.Name = "Value";
    setting.Encrypted = encrypted;
    setting.RestoreValue(registry, kKey);
    value = setting.Value();
    setting.SaveValue(registry, kKey, true);
    const auto saved = store.openKey(platform::RootKey::CurrentUser, kKey, false)->value("Value");
    FUZZ_CHECK(saved.has_value());
    return *saved;
}

void setting(std::string_view bytes, bool encrypted) {
    static platform::MemoryRegistryStore store;
    TPValue first, second, third;
    const platform::RegValue input = platform::RegValue::binary(std::string(bytes));
    const platform::RegValue once = restoreAndSave(store, input, encrypted, first);
    if (first.kind == pvkNone)
        return; // nothing was read, so nothing was promised
    const platform::RegValue twice = restoreAndSave(store, once, encrypted, second);
    FUZZ_CHECK(sameValue(first, second));
    FUZZ_CHECK(restoreAndSave(store, twice, encrypted, third) == twice);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

// The first byte picks the format, the rest is the value.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 5) {
    case 0:
        commaText(rest);
        break;
    case 1:
        extended(rest);
        break;
    case 2:
        number(rest);
        break;
    case 3:
        setting(rest, false);
        break;
    default:
        setting(rest, true);
        break;
    }
    return 0;
}

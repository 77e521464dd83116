#include "platform/RegistryStore.h"

#ifdef _WIN32
#include "platform/WinRegistryStore.h"
#else
#include "platform/FileRegistryStore.h"
#include <cstdlib>
#endif

namespace platform {

RegValue RegValue::dword(std::uint32_t v) {
    std::string data(4, '\0');
    for (std::size_t i = 0; i < 4; ++i)
        data[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return {RegDword, data};
}

RegistryBatch::~RegistryBatch() {
    store_.commitBatch();
}

namespace {

RegistryStore* testStore = nullptr;

#ifndef _WIN32
std::string envOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}

// The user's configuration folder, and the first machine-wide one.
std::string userFolder() {
    const char* home = std::getenv("HOME");
    return envOr("XDG_CONFIG_HOME", std::string(home ? home : ".") + "/.config") + "/Provendo";
}

std::string machineFile() {
    std::string dirs = envOr("XDG_CONFIG_DIRS", "/etc/xdg");
    dirs = dirs.substr(0, dirs.find(':'));
    return dirs + "/Provendo/HKEY_LOCAL_MACHINE.reg";
}
#endif

} // namespace

RegistryStore& registryStore() {
    if (testStore)
        return *testStore;
#ifdef _WIN32
    static WinRegistryStore store;
#else
    static FileRegistryStore store(userFolder(), machineFile());
#endif
    return store;
}

void setRegistryStoreForTesting(RegistryStore* store) {
    testStore = store;
}

} // namespace platform

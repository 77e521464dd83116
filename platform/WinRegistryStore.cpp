#include "platform/WinRegistryStore.h"

#include <windows.h>

namespace platform {

namespace {

HKEY rootHandle(RootKey root) {
    return root == RootKey::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// KEY_ALL_ACCESS, but without KEY_CREATE_LINK on HKEY_LOCAL_MACHINE of the NT family.
REGSAM fullAccess(RootKey root) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#ifdef _MSC_VER
#pragma warning(suppress : 4996) // GetVersionExA is deprecated but still answers
#endif
    const bool nt = GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    return nt && root == RootKey::LocalMachine ? 0xF001F : KEY_ALL_ACCESS;
}

class WinRegistryKey : public RegistryKey {
public:
    WinRegistryKey(HKEY key, bool writable) : key_(key), writable_(writable) {}
    ~WinRegistryKey() override { RegCloseKey(key_); }

    bool writable() const override { return writable_; }

    std::optional<RegValue> value(const std::string& name) const override {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        RegValue v{type, std::string(size, '\0')};
        if (size > 0 &&
            RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(v.data.data()), &size) != ERROR_SUCCESS)
            return std::nullopt;
        v.data.resize(size);
        return v;
    }
    bool setValue(const std::string& name, const RegValue& value) override {
        return RegSetValueExA(key_, name.c_str(), 0, value.type,
                              reinterpret_cast<const BYTE*>(value.data.data()),
                              static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
    }
    bool deleteValue(const std::string& name) override {
        return RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
    }
    std::vector<std::string> valueNames() const override {
        std::vector<std::string> names;
        DWORD count = 0;
        DWORD longest = 0;
        if (RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                             &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return names;
        std::string buffer(longest + 1, '\0');
        for (DWORD i = 0; i < count; ++i) {
            DWORD length = longest + 1;
            if (RegEnumValueA(key_, i, buffer.data(), &length, nullptr, nullptr, nullptr,
                              nullptr) == ERROR_SUCCESS)
                names.emplace_back(buffer.data(), length);
        }
        return names;
    }
    std::vector<std::string> subkeyNames() const override { return subkeys(key_); }

    static std::vector<std::string> subkeys(HKEY key) {
        std::vector<std::string> names;
        DWORD count = 0;
        DWORD longest = 0;
        if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return names;
        std::string buffer(longest + 1, '\0');
        for (DWORD i = 0; i < count; ++i) {
            DWORD length = longest + 1;
            if (RegEnumKeyExA(key, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
                ERROR_SUCCESS)
                names.emplace_back(buffer.data(), length);
        }
        return names;
    }

private:
    HKEY key_;
    bool writable_;
};

// RegDeleteKeyA takes only keys without subkeys, so the subkeys go first.
bool deleteTree(HKEY parent, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    for (const std::string& sub : WinRegistryKey::subkeys(key))
        deleteTree(key, sub);
    RegCloseKey(key);
    return RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

} // namespace

std::unique_ptr<RegistryKey> WinRegistryStore::openKey(RootKey root, const std::string& path,
                                                       bool create) {
    HKEY key = nullptr;
    const REGSAM access = fullAccess(root);
    if (create && !path.empty()) {
        DWORD disposition = 0;
        if (RegCreateKeyExA(rootHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            access, nullptr, &key, &disposition) == ERROR_SUCCESS)
            return std::make_unique<WinRegistryKey>(key, true);
    }
    if (RegOpenKeyExA(rootHandle(root), path.c_str(), 0, access, &key) == ERROR_SUCCESS)
        return std::make_unique<WinRegistryKey>(key, true);
    if (RegOpenKeyExA(rootHandle(root), path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS)
        return std::make_unique<WinRegistryKey>(key, false);
    return nullptr;
}

bool WinRegistryStore::deleteKey(RootKey root, const std::string& path) {
    return !path.empty() && deleteTree(rootHandle(root), path);
}

} // namespace platform

#include "platform/SimpleMail.h"

#include <windows.h>

#include <VersionHelpers.h>

namespace platform {

namespace {

// Simple mail is offered when the machine's messaging key says MAPI is "1" (systems
// after 3.51), or the Mail section of the profile settings says so (older ones).
bool simpleMailOffered() {
    if (!IsWindowsVersionOrGreater(3, 52, 0))
        return GetProfileIntA("Mail", "MAPI", 0) != 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows Messaging Subsystem", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char value[9] = {};
    DWORD size = sizeof value;
    const LONG read =
        RegQueryValueExA(key, "MAPI", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    // The text "1", stored with or without its terminating zero.
    return read == ERROR_SUCCESS && value[0] == '1' && (size == 1 || (size == 2 && !value[1]));
}

class Mapi32Module : public SimpleMailModule {
public:
    explicit Mapi32Module(HMODULE library) : library_(library) {}
    ~Mapi32Module() override { FreeLibrary(library_); }

    EntryPoint lookUp(const char* name) override {
        return reinterpret_cast<EntryPoint>(GetProcAddress(library_, name));
    }

private:
    HMODULE library_;
};

} // namespace

std::unique_ptr<SimpleMailModule> loadSystemSimpleMail() {
    if (!simpleMailOffered())
        return nullptr;
    HMODULE library = LoadLibraryA("MAPI32.DLL");
    if (!library)
        return nullptr;
    return std::make_unique<Mapi32Module>(library);
}

} // namespace platform

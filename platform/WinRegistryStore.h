#pragma once

#include "platform/RegistryStore.h"

namespace platform {

// The Windows registry through the ANSI calls; bytes pass unchanged.
class WinRegistryStore : public RegistryStore {
public:
    std::unique_ptr<RegistryKey> openKey(RootKey root, const std::string& path,
                                         bool create) override;
    bool deleteKey(RootKey root, const std::string& path) override;
};

} // namespace platform

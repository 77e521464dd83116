#pragma once

#include "platform/FileRegistryStore.h"
#include "settings/PRegistry.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

// A registry of its own in a temporary folder for each test.
class RegistryFixture : public testing::Test {
protected:
    RegistryFixture()
        : store_(dir_.path().toStdString() + "/Provendo", dir_.path().toStdString() + "/lm.reg"),
          registry_(store_) {}

    std::optional<platform::RegValue> stored(const std::string& path, const std::string& name) {
        auto key = store_.openKey(platform::RootKey::CurrentUser, path, false);
        return key ? key->value(name) : std::nullopt;
    }
    void put(const std::string& path, const std::string& name, const platform::RegValue& v) {
        store_.openKey(platform::RootKey::CurrentUser, path, true)->setValue(name, v);
    }
    bool keyExists(const std::string& path) {
        return store_.openKey(platform::RootKey::CurrentUser, path, false) != nullptr;
    }

    QTemporaryDir dir_;
    platform::FileRegistryStore store_;
    TPRegistry registry_;
};

inline std::string bytes(std::initializer_list<int> list) {
    std::string out;
    for (int b : list)
        out.push_back(static_cast<char>(b));
    return out;
}

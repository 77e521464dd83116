#pragma once

#include "platform/RegTree.h"
#include "platform/RegistryStore.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A registry kept in memory only: the settings layer over it without any file, so that
// fuzz targets run thousands of inputs a second and benchmarks show the value formats
// alone. Both roots share one tree.
class MemoryRegistryKey : public RegistryKey {
public:
    MemoryRegistryKey(RegTree& tree, std::string path) : tree_(tree), path_(std::move(path)) {}
    bool writable() const override { return true; }
    std::optional<RegValue> value(const std::string& name) const override {
        return tree_.value(path_, name);
    }
    bool setValue(const std::string& name, const RegValue& v) override {
        return tree_.setValue(path_, name, v);
    }
    bool deleteValue(const std::string& name) override { return tree_.deleteValue(path_, name); }
    std::vector<std::string> valueNames() const override {
        std::vector<std::string> names;
        if (const auto* key = tree_.key(path_))
            for (const auto& value : key->values)
                names.push_back(value.first);
        return names;
    }
    std::vector<std::string> subkeyNames() const override { return tree_.subkeyNames(path_); }

private:
    RegTree& tree_;
    std::string path_;
};

class MemoryRegistryStore : public RegistryStore {
public:
    std::unique_ptr<RegistryKey> openKey(RootKey, const std::string& path, bool create) override {
        if (!tree_.hasKey(path)) {
            if (!create)
                return nullptr;
            tree_.createKey(path);
        }
        return std::make_unique<MemoryRegistryKey>(tree_, path);
    }
    bool deleteKey(RootKey, const std::string& path) override { return tree_.deleteKey(path); }
    void clear() { tree_ = RegTree(); }

private:
    RegTree tree_;
};

} // namespace platform

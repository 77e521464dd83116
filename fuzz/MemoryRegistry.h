#pragma once

#include "platform/RegTree.h"
#include "platform/RegistryStore.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The registry kept in memory only, so that a fuzz target runs thousands of inputs a
// second without touching a file.
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
    std::vector<std::string> valueNames() const override {
        std::vector<std::string> names;
        if (const auto* key = tree_.key(path_))
            for (const auto& value : key->values)
                names.push_back(value.first);
        return names;
    }
    std::vector<std::string> subkeyNames() const override { return tree_.subkeyNames(path_); }

private:
    platform::RegTree& tree_;
    std::string path_;
};

class MemoryRegistry : public platform::RegistryStore {
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
    void clear() { tree_ = platform::RegTree(); }

private:
    platform::RegTree tree_;
};

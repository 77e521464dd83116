#pragma once

#include "platform/RegistryStore.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The keys and values of one root key in memory, as the file store keeps them.
// Key paths and value names compare without regard to ASCII letter case, as in the
// registry; the spelling first used is kept.
class RegTree {
public:
    struct Key {
        std::string path;
        std::vector<std::pair<std::string, RegValue>> values;
        // Folded value name to its place in values.
        std::map<std::string, std::size_t, std::less<>> index;
        bool operator==(const Key& other) const {
            return path == other.path && values == other.values;
        }
    };

    bool hasKey(const std::string& path) const;
    const Key* key(const std::string& path) const;
    std::optional<RegValue> value(const std::string& path, const std::string& name) const;
    // Makes the key and every missing parent.
    void createKey(const std::string& path);
    // Removes the key and all keys below it; false when there was none.
    bool deleteKey(const std::string& path);
    bool setValue(const std::string& path, const std::string& name, const RegValue& value);
    bool deleteValue(const std::string& path, const std::string& name);
    std::vector<std::string> subkeyNames(const std::string& path) const;

    // Keys in an order that puts every parent before its children.
    const std::map<std::string, Key>& keys() const { return keys_; }
    bool operator==(const RegTree&) const = default;

    static std::string fold(std::string_view text);

private:
    std::map<std::string, Key> keys_; // by folded path
};

// REGEDIT4 text as regedit exports and imports it.
struct RegParseResult {
    RegTree tree;
    bool damaged = false; // something could not be read and was left out
};

// rootName is e.g. "HKEY_CURRENT_USER"; keys under any other root count as damage.
RegParseResult parseRegEdit4(std::string_view text, std::string_view rootName);
std::string writeRegEdit4(const RegTree& tree, std::string_view rootName);

// A name or key path that the text form cannot hold (line breaks, NUL).
bool fitsRegEdit4(std::string_view name);

// The registry's own limits: each part of a key path at most 255 characters, at most
// 512 levels, a value name at most 16,383 characters. A file that breaks them is
// damaged; keeping them also keeps every key's cost bounded.
constexpr std::size_t kMaxKeyPartLength = 255;
constexpr std::size_t kMaxKeyLevels = 512;
constexpr std::size_t kMaxValueNameLength = 16383;
// An empty path (the root) or parts of 1..255 characters, no more than 512 of them.
bool keyPathWithinLimits(std::string_view path);
bool valueNameWithinLimits(std::string_view name);

} // namespace platform

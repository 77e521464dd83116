#pragma once

#include "platform/RegistryStore.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Registry errors: a value that cannot be written or read as the type asked for.
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Registry access with one current key, as the settings use it.
class TPRegistry {
public:
    explicit TPRegistry(platform::RegistryStore& store = platform::registryStore());
    ~TPRegistry();

    platform::RootKey RootKey() const { return root_; }
    void SetRootKey(platform::RootKey root);
    platform::RegistryStore& Store() const { return store_; }

    // A path that starts with "\" is taken from the root; any other is relative to the
    // open key, or to the root when none is open. True when a key was opened.
    bool OpenKey(const std::string& path, bool create);
    void CloseKey();
    bool HasCurrentKey() const { return key_ != nullptr; }
    const std::string& CurrentPath() const { return path_; }
    bool CurrentKeyWritable() const { return key_ && key_->writable(); }

    void WriteString(const std::string& name, const std::string& text);
    void WriteInteger(const std::string& name, std::int32_t value);
    void WriteBinaryData(const std::string& name, const std::string& bytes);
    std::string ReadString(const std::string& name) const;
    std::int32_t ReadInteger(const std::string& name) const;
    std::string ReadBinaryData(const std::string& name) const;

    bool ValueExists(const std::string& name) const;
    // The registry type of the value, RegNone when there is none.
    std::uint32_t GetDataType(const std::string& name) const;
    // The size of the value in bytes, -1 when there is none.
    long long GetDataSize(const std::string& name) const;
    bool DeleteValue(const std::string& name);
    std::vector<std::string> GetValueNames() const;
    std::vector<std::string> GetKeyNames() const;
    // Deletes the key with all its subkeys, the path taken as OpenKey takes it.
    bool DeleteKey(const std::string& path);

private:
    platform::RegValue read(const std::string& name, std::uint32_t type) const;
    void write(const std::string& name, const platform::RegValue& value);
    std::string absolute(const std::string& path) const;

    platform::RegistryStore& store_;
    platform::RootKey root_ = platform::RootKey::CurrentUser;
    std::unique_ptr<platform::RegistryKey> key_;
    std::string path_;
};

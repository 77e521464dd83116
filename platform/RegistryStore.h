#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Registry value types as the registry numbers them; other numbers pass through.
enum RegType : std::uint32_t {
    RegNone = 0,
    RegSz = 1,
    RegExpandSz = 2,
    RegBinary = 3,
    RegDword = 4,
    RegMultiSz = 7,
};

enum class RootKey { CurrentUser, LocalMachine };

// A value exactly as the registry keeps it: a REG_SZ holds its text and the
// terminating NUL, a REG_DWORD four little-endian bytes.
struct RegValue {
    std::uint32_t type = RegNone;
    std::string data;
    bool operator==(const RegValue&) const = default;

    static RegValue text(const std::string& bytes) { return {RegSz, bytes + '\0'}; }
    static RegValue dword(std::uint32_t v);
    static RegValue binary(std::string bytes) { return {RegBinary, std::move(bytes)}; }
};

// One open key. Value names compare without regard to ASCII letter case.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    virtual bool writable() const = 0;
    virtual std::optional<RegValue> value(const std::string& name) const = 0;
    virtual bool setValue(const std::string& name, const RegValue& value) = 0;
    virtual bool deleteValue(const std::string& name) = 0;
    virtual std::vector<std::string> valueNames() const = 0;
    virtual std::vector<std::string> subkeyNames() const = 0;
};

// The registry service. Paths are relative to the root key, parts joined by "\".
class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    // With create the key and its parents are made when missing; without, or when
    // that is not allowed, the key is opened for writing and, failing that, for
    // reading only. Null when the key cannot be opened at all.
    virtual std::unique_ptr<RegistryKey> openKey(RootKey root, const std::string& path,
                                                 bool create) = 0;
    // Deletes the key with all its subkeys; false when it could not.
    virtual bool deleteKey(RootKey root, const std::string& path) = 0;

    // Changes between begin and commit reach the backing store as one replace.
    // Batches nest; only the outermost commit writes.
    virtual void beginBatch() {}
    virtual void commitBatch() {}
    // Why the last write to the backing store failed; empty when it succeeded.
    virtual std::string lastWriteError() const { return {}; }
};

// Keeps one batch open for its lifetime; the batch is committed also when an error
// ends the work early, so that what was written before the error is kept.
class RegistryBatch {
public:
    explicit RegistryBatch(RegistryStore& store) : store_(store) { store_.beginBatch(); }
    ~RegistryBatch();
    RegistryBatch(const RegistryBatch&) = delete;
    RegistryBatch& operator=(const RegistryBatch&) = delete;

private:
    RegistryStore& store_;
};

// The process-wide store: the Windows registry on Windows, elsewhere the file store
// in the user's configuration folder.
RegistryStore& registryStore();
// Tests put a store of their own in place (null restores the normal one).
void setRegistryStoreForTesting(RegistryStore* store);

} // namespace platform

#include "settings/PRegistry.h"

using platform::RegValue;

TPRegistry::TPRegistry(platform::RegistryStore& store) : store_(store) {}

TPRegistry::~TPRegistry() = default;

void TPRegistry::SetRootKey(platform::RootKey root) {
    CloseKey();
    root_ = root;
}

std::string TPRegistry::absolute(const std::string& path) const {
    if (path.starts_with('\\'))
        return path.substr(1);
    if (!key_ || path_.empty())
        return path;
    return path.empty() ? path_ : path_ + '\\' + path;
}

bool TPRegistry::OpenKey(const std::string& path, bool create) {
    std::string full = absolute(path);
    while (full.ends_with('\\'))
        full.pop_back();
    auto key = store_.openKey(root_, full, create && !full.empty());
    if (!key)
        return false;
    key_ = std::move(key);
    path_ = full;
    return true;
}

void TPRegistry::CloseKey() {
    key_.reset();
    path_.clear();
}

void TPRegistry::write(const std::string& name, const RegValue& value) {
    if (!key_ || !key_->setValue(name, value))
        throw ERegistryException("Failed to set data for '" + name + "'");
}

RegValue TPRegistry::read(const std::string& name, std::uint32_t type) const {
    auto value = key_ ? key_->value(name) : std::nullopt;
    if (!value || value->type != type)
        throw ERegistryException("Invalid data type for '" + name + "'");
    return *value;
}

void TPRegistry::WriteString(const std::string& name, const std::string& text) {
    write(name, RegValue::text(text));
}

void TPRegistry::WriteInteger(const std::string& name, std::int32_t value) {
    write(name, RegValue::dword(static_cast<std::uint32_t>(value)));
}

void TPRegistry::WriteBinaryData(const std::string& name, const std::string& bytes) {
    write(name, RegValue::binary(bytes));
}

std::string TPRegistry::ReadString(const std::string& name) const {
    std::string data = read(name, platform::RegSz).data;
    // The text ends at its terminating NUL; a value stored without one is kept whole.
    const std::size_t nul = data.find('\0');
    if (nul != std::string::npos)
        data.resize(nul);
    return data;
}

std::int32_t TPRegistry::ReadInteger(const std::string& name) const {
    const std::string data = read(name, platform::RegDword).data;
    if (data.size() != 4)
        throw ERegistryException("Invalid data type for '" + name + "'");
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(data[static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

std::string TPRegistry::ReadBinaryData(const std::string& name) const {
    return read(name, platform::RegBinary).data;
}

bool TPRegistry::ValueExists(const std::string& name) const {
    return key_ && key_->value(name).has_value();
}

std::uint32_t TPRegistry::GetDataType(const std::string& name) const {
    const auto value = key_ ? key_->value(name) : std::nullopt;
    return value ? value->type : platform::RegNone;
}

long long TPRegistry::GetDataSize(const std::string& name) const {
    const auto value = key_ ? key_->value(name) : std::nullopt;
    return value ? static_cast<long long>(value->data.size()) : -1;
}

bool TPRegistry::DeleteValue(const std::string& name) {
    return key_ && key_->deleteValue(name);
}

std::vector<std::string> TPRegistry::GetValueNames() const {
    return key_ ? key_->valueNames() : std::vector<std::string>{};
}

std::vector<std::string> TPRegistry::GetKeyNames() const {
    return key_ ? key_->subkeyNames() : std::vector<std::string>{};
}

bool TPRegistry::DeleteKey(const std::string& path) {
    std::string full = absolute(path);
    while (full.ends_with('\\'))
        full.pop_back();
    return store_.deleteKey(root_, full);
}

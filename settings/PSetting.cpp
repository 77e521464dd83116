#include "settings/PSetting.h"

#include "settings/FlagGuard.h"
#include "settings/PBinary.h"
#include "settings/PCollection.h"

#include <QRandomGenerator>
#include <cctype>

namespace {

const char* const kSetRefused = "Cannot use SetAs functions with collections or hidden properties";

// Closes the registry's current key however the work ends.
class KeyCloser {
public:
    explicit KeyCloser(TPRegistry& registry) : registry_(registry) {}
    ~KeyCloser() { registry_.CloseKey(); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    TPRegistry& registry_;
};

bool subtreeHasValues(platform::RegistryStore& store, platform::RootKey root,
                      const std::string& path) {
    const auto key = store.openKey(root, path, false);
    if (!key)
        return false;
    if (!key->valueNames().empty())
        return true;
    for (const std::string& sub : key->subkeyNames())
        if (subtreeHasValues(store, root, path + '\\' + sub))
            return true;
    return false;
}

// Our own keyed byte scrambling: a splitmix64 stream seeded from the key and a
// random salt byte, so that equal values do not look equal in the registry. It hides
// a value from a casual look; it is not cryptography.
std::string scramble(std::string data, const std::string& key, unsigned char salt) {
    std::uint64_t state = 1469598103934665603ULL;
    for (unsigned char c : key)
        state = (state ^ c) * 1099511628211ULL;
    state ^= salt * 0x9E3779B97F4A7C15ULL;
    for (char& c : data) {
        state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        c = static_cast<char>(static_cast<unsigned char>(c) ^ static_cast<unsigned char>(z));
    }
    return data;
}

void putText(std::string& out, const std::string& text) {
    pbinary::putInt32(out, static_cast<std::int32_t>(text.size()));
    out += text;
}

std::string readText(pbinary::Reader& r) {
    return std::string(r.bytes(static_cast<std::uint32_t>(r.int32())));
}

} // namespace

TPSetting::TPSetting(QObject* parent) : QObject(parent) {}

std::string TPSetting::UniqueName() const {
    std::string name = BoundProperty + Name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) > 0x7F)
            c = '_';
    return name;
}

void TPSetting::TakeDesignValue() {
    if (IsBound())
        design_ = readProperty();
}

// ---- setters ----

void TPSetting::refuseSet() const {
    if (value_.isPersistedByObject())
        throw EPSettingException(kSetRefused);
}

void TPSetting::setValue(TPValue value) {
    value_ = std::move(value);
    if (IsBound() && !reading_)
        ApplyToProperty();
}

void TPSetting::SetAsString(const std::string& text) {
    refuseSet();
    setValue(TPValue::makeText(pvkString, text));
}

void TPSetting::SetAsInteger(std::int32_t value) {
    refuseSet();
    setValue(TPValue::makeInteger(value));
}

void TPSetting::SetAsFloat(double value) {
    refuseSet();
    setValue(TPValue::makeNumber(pvkFloat, value));
}

void TPSetting::SetAsBoolean(bool value) {
    refuseSet();
    setValue(TPValue::makeBoolean(value));
}

void TPSetting::SetAsDateTime(TDateTime value) {
    refuseSet();
    setValue(TPValue::makeNumber(pvkDateTime, value.days));
}

void TPSetting::SetAsVariant(const QVariant& value) {
    refuseSet();
    setValue(TPValue::makeVariant(value));
}

void TPSetting::SetAsStrings(const std::vector<std::string>& items) {
    refuseSet();
    setValue(TPValue::makeStrings(items));
}

void TPSetting::AssignValue(const TPValue& value) {
    value_ = value;
    ApplyToProperty();
}

// ---- getters ----

void TPSetting::readThrough() {
    if (IsBound() && !applying_)
        ReadFromProperty();
}

std::string TPSetting::AsString() {
    readThrough();
    return value_.toString();
}

std::int32_t TPSetting::AsInteger() {
    readThrough();
    return value_.toInteger();
}

double TPSetting::AsFloat() {
    readThrough();
    return value_.toFloat();
}

bool TPSetting::AsBoolean() {
    readThrough();
    return value_.toBoolean();
}

QVariant TPSetting::AsVariant() {
    readThrough();
    return value_.toVariant();
}

void TPSetting::AsStrings(std::vector<std::string>& list) {
    readThrough();
    std::vector<std::string> items = value_.toStrings();
    if (value_.kind == pvkStrings)
        list = std::move(items);
    else
        list.insert(list.end(), items.begin(), items.end());
}

void TPSetting::ReadFromProperty() {
    const FlagGuard guard(reading_);
    value_ = readProperty();
}

void TPSetting::ApplyToProperty() {
    if (value_.kind == pvkNone)
        return;
    const FlagGuard guard(applying_);
    binding_.Apply(BoundProperty, value_);
}

// ---- registry ----

std::string TPSetting::KeyPath(const std::string& containerPath) const {
    if (!Name.empty())
        return containerPath;
    std::string path = containerPath;
    const std::size_t lastDot = BoundProperty.rfind('.');
    if (lastDot == std::string::npos)
        return path;
    std::string parents = BoundProperty.substr(0, lastDot);
    for (char& c : parents)
        if (c == '.')
            c = '\\';
    return path.empty() ? parents : path + '\\' + parents;
}

std::string TPSetting::ValueName() const {
    if (!Name.empty())
        return Name;
    const std::size_t lastDot = BoundProperty.rfind('.');
    return lastDot == std::string::npos ? BoundProperty : BoundProperty.substr(lastDot + 1);
}

std::string TPSetting::record(const TPValue& value) {
    std::string out;
    pbinary::putInt32(out, value.kind);
    switch (value.kind) {
    case pvkString:
    case pvkVariant:
    case pvkStrings:
        putText(out, value.text);
        break;
    case pvkInteger:
        pbinary::putInt32(out, value.integer);
        break;
    case pvkFloat:
    case pvkDateTime:
        out += pbinary::toExtended(value.number);
        break;
    case pvkBoolean:
        out.push_back(value.boolean ? 1 : 0);
        break;
    case pvkHidden:
        if (value.object)
            out += pcollection::writeHidden(value.object, value.hiddenName);
        break;
    case pvkCollection:
        if (value.object)
            out += pcollection::encodeCollection(value.object);
        break;
    case pvkNone:
        break;
    }
    return out;
}

void TPSetting::writeValue(TPRegistry& registry) const {
    const std::string name = ValueName();
    if (value_.kind == pvkNone)
        return;
    const std::string bytes = record(value_);
    if (Encrypted) {
        std::string plain;
        putText(plain, "TPSOK");
        plain += bytes;
        const auto salt = static_cast<unsigned char>(QRandomGenerator::global()->bounded(256));
        registry.WriteBinaryData(name,
                                 static_cast<char>(salt) + scramble(plain, UniqueName(), salt));
        return;
    }
    switch (value_.kind) {
    case pvkString:
        registry.WriteString(name, value_.text);
        break;
    case pvkInteger:
        registry.WriteInteger(name, value_.integer);
        break;
    default:
        registry.WriteBinaryData(
            name, !restoredBytes_.empty() && bytes == restoredRecord_ ? restoredBytes_ : bytes);
        break;
    }
}

void TPSetting::SaveValue(TPRegistry& registry, const std::string& keyPath, bool saveAll) {
    if (!RelAppSetting.empty())
        return;
    if (IsBound())
        ReadFromProperty();
    const std::string path = '\\' + KeyPath(keyPath);
    if (saveAll || !IsBound() || Differs()) {
        if (!registry.OpenKey(path, true)) {
            if (value_.kind == pvkNone)
                return;
            throw ERegistryException("Failed to set data for '" + ValueName() + "'");
        }
        const KeyCloser closer(registry);
        writeValue(registry);
        return;
    }
    if (!registry.OpenKey(path, false))
        return;
    bool empty = false;
    {
        const KeyCloser closer(registry);
        if (registry.ValueExists(ValueName()))
            registry.DeleteValue(ValueName());
        // Subkeys that still hold other settings' values keep the key alive.
        empty = registry.GetValueNames().empty() &&
                !subtreeHasValues(registry.Store(), registry.RootKey(), path.substr(1));
    }
    if (empty)
        registry.DeleteKey(path);
}

bool TPSetting::decodeBinary(pbinary::Reader& r, bool encrypted) {
    const std::int32_t kind = r.int32();
    switch (kind) {
    case pvkString:
        if (!encrypted)
            return false;
        SetAsString(readText(r));
        break;
    case pvkInteger:
        if (!encrypted)
            return false;
        SetAsInteger(r.int32());
        break;
    case pvkFloat:
        SetAsFloat(pbinary::fromExtended(r.bytes(10)));
        break;
    case pvkBoolean:
        SetAsBoolean(r.byte() != 0);
        break;
    case pvkDateTime:
        SetAsDateTime({pbinary::fromExtended(r.bytes(10))});
        break;
    case pvkVariant:
    case pvkStrings: {
        std::string text = readText(r);
        refuseSet();
        setValue(TPValue::makeText(static_cast<TPValueKind>(kind), std::move(text)));
        break;
    }
    case pvkHidden: {
        const TPValue target = readProperty();
        if (target.kind != pvkHidden || !target.object)
            return false;
        const bool whole =
            pcollection::readHidden(target.object, target.hiddenName, r.bytes(r.remaining()));
        value_ = target;
        return whole;
    }
    case pvkCollection: {
        const TPValue target = readProperty();
        if (target.kind != pvkCollection || !target.object)
            return false;
        const bool whole = pcollection::decodeCollection(target.object, r.bytes(r.remaining()));
        value_ = target;
        return whole;
    }
    default:
        return false;
    }
    return r.atEnd();
}

void TPSetting::readValue(TPRegistry& registry) {
    const std::string name = ValueName();
    const std::uint32_t type = registry.GetDataType(name);
    try {
        if (Encrypted) {
            const std::string data =
                type == platform::RegBinary ? registry.ReadBinaryData(name) : std::string();
            if (data.empty())
                return;
            const std::string plain =
                scramble(data.substr(1), UniqueName(), static_cast<unsigned char>(data[0]));
            pbinary::Reader r(plain);
            if (r.int32() != 5 || r.bytes(5) != "TPSOK")
                return;
            decodeBinary(r, true);
            return;
        }
        if (type == platform::RegSz) {
            SetAsString(registry.ReadString(name));
        } else if (type == platform::RegDword) {
            SetAsInteger(registry.ReadInteger(name));
        } else if (type == platform::RegBinary) {
            const std::string data = registry.ReadBinaryData(name);
            pbinary::Reader r(data);
            if (decodeBinary(r, false))
                restoredBytes_ = data;
        }
    } catch (const std::exception&) {
        // A value that cannot be read or decoded is skipped without a message.
    }
}

void TPSetting::RestoreValue(TPRegistry& registry, const std::string& keyPath) {
    if (!RelAppSetting.empty())
        return;
    if (!registry.OpenKey('\\' + KeyPath(keyPath), false))
        return;
    const KeyCloser closer(registry);
    if (!registry.ValueExists(ValueName()))
        return;
    restoredBytes_.clear();
    restoredRecord_.clear();
    readValue(registry);
    ApplyToProperty();
    if (!restoredBytes_.empty())
        restoredRecord_ = record(IsBound() ? readProperty() : value_);
}

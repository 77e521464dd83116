#pragma once

#include "settings/PRegistry.h"

#include <QByteArray>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace pbinary {
class Reader;
}

// The kind codes start every binary registry value, so they never change.
enum TPValueKind : std::int32_t {
    pvkNone = 0,
    pvkString = 1,
    pvkInteger = 2,
    pvkFloat = 3,
    pvkBoolean = 4,
    pvkDateTime = 5,
    pvkVariant = 6,
    pvkStrings = 7,
    pvkHidden = 8,
    pvkCollection = 9,
};

// A misused value accessor.
class EPSettingException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Days since 30 December 1899, the time of day as the fraction.
struct TDateTime {
    double days = 0;
};

// A tagged value. Text is single-byte text; pvkHidden and pvkCollection refer to the
// object that persists the value.
struct TPValue {
    TPValueKind kind = pvkNone;
    std::string text; // pvkString, pvkVariant, pvkStrings (comma text)
    std::int32_t integer = 0;
    double number = 0; // pvkFloat, pvkDateTime
    bool boolean = false;
    QPointer<QObject> object;
    QByteArray hiddenName;

    // The "differs from the design value" rule of a save with SaveAll off.
    bool differsFrom(const TPValue& other) const;
};

// One value kept in the registry, either bound to a property of a component of its
// window through a dotted path ("pcFoodMain.ActivePage") or free-standing with a Name.
class TPSetting : public QObject {
    Q_OBJECT
public:
    explicit TPSetting(QObject* parent = nullptr);

    std::string Name;
    std::string BoundProperty;
    std::string RelAppSetting;
    bool Encrypted = false;

    // The window whose components a bound path names.
    void SetWindow(QObject* window) { window_ = window; }
    QObject* Window() const { return window_; }

    // BoundProperty then Name, every character but an ASCII letter or digit as "_".
    std::string UniqueName() const;
    bool IsBound() const { return !BoundProperty.empty(); }

    // The value as it is held now, without reading the property.
    const TPValue& Value() const { return value_; }
    const TPValue& DesignValue() const { return design_; }
    // Reads the property into the design value (the window has finished loading).
    void TakeDesignValue();
    bool Differs() const { return value_.differsFrom(design_); }

    void SetAsString(const std::string& text);
    void SetAsInteger(std::int32_t value);
    void SetAsFloat(double value);
    void SetAsBoolean(bool value);
    void SetAsDateTime(TDateTime value);
    void SetAsVariant(const QVariant& value);
    void SetAsStrings(const std::vector<std::string>& items);

    std::string AsString();
    std::int32_t AsInteger();
    double AsFloat();
    bool AsBoolean();
    QVariant AsVariant();
    // Adds to (or, for a string list value, replaces the items of) the given list.
    void AsStrings(std::vector<std::string>& list);

    // Takes another setting's value and applies it to the bound property.
    void AssignValue(const TPValue& value);
    // The bound property into the value, and the value onto the bound property.
    void ReadFromProperty();
    void ApplyToProperty();

    // One registry value under the container's key path; see the .cpp for the steps.
    void SaveValue(TPRegistry& registry, const std::string& keyPath, bool saveAll);
    void RestoreValue(TPRegistry& registry, const std::string& keyPath);

    // The subkey path and value name this setting is stored under.
    std::string KeyPath(const std::string& containerPath) const;
    std::string ValueName() const;

private:
    struct Target;
    Target resolve(bool forReading) const;
    TPValue readProperty() const;
    void applyValue(const Target& target);
    void setValue(TPValue value);
    void refuseSet() const;
    void readThrough();
    static std::string record(const TPValue& value);
    void writeValue(TPRegistry& registry) const;
    void readValue(TPRegistry& registry);
    // True when the value was read whole and taken.
    bool decodeBinary(pbinary::Reader& reader, bool encrypted);

    QObject* component(const QByteArray& name) const;

    QPointer<QObject> window_;
    // The component last found by name: a setting resolves its path at every read,
    // restore and save, and a search of the window's whole tree is what that costs.
    mutable QPointer<QObject> component_;
    mutable QByteArray componentName_;
    TPValue value_;
    TPValue design_;
    // A binary value restored whole, and how this setting would write it right after
    // the restore: while it would still write that, the stored bytes go back as they
    // were, so that a value nobody changed is not rewritten in another spelling (an
    // extended float that a double cannot hold, a text in another encoding).
    std::string restoredBytes_;
    std::string restoredRecord_;
    bool applying_ = false;
    bool reading_ = false;
};

#pragma once

#include "settings/PBinding.h"
#include "settings/PRegistry.h"
#include "settings/PValue.h"

#include <QObject>
#include <QVariant>
#include <cstdint>
#include <string>
#include <vector>

namespace pbinary {
class Reader;
}

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
    void SetWindow(QObject* window) { binding_.SetWindow(window); }
    QObject* Window() const { return binding_.Window(); }

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
    TPValue readProperty() const { return binding_.Read(BoundProperty); }
    void setValue(TPValue value);
    void refuseSet() const;
    void readThrough();
    static std::string record(const TPValue& value);
    void writeValue(TPRegistry& registry) const;
    void readValue(TPRegistry& registry);
    // True when the value was read whole and taken.
    bool decodeBinary(pbinary::Reader& reader, bool encrypted);

    TPBinding binding_;
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

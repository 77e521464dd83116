#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

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

    static TPValue makeText(TPValueKind kind, std::string text);
    static TPValue makeInteger(std::int32_t integer);
    static TPValue makeNumber(TPValueKind kind, double number);
    static TPValue makeBoolean(bool boolean);
    // A pvkVariant holding the variant's text; raises for a variant array.
    static TPValue makeVariant(const QVariant& value);
    static TPValue makeStrings(const std::vector<std::string>& items);

    // The "differs from the design value" rule of a save with SaveAll off.
    bool differsFrom(const TPValue& other) const;
    // Whether the value can be taken as a number: a number kind, or a text that reads as
    // one.
    bool isNumeric() const;
    // A value that refers to the object persisting it has no plain reading.
    bool isPersistedByObject() const { return kind == pvkHidden || kind == pvkCollection; }

    // The conversions raise EPSettingException for a value persisted by an object and
    // for the pairs that do not convert (a date or a list as an integer, ...).
    std::string toString() const;
    std::int32_t toInteger() const;
    double toFloat() const;
    bool toBoolean() const;
    QVariant toVariant() const;
    // A string list value's items; any other value as its one text item, none as none.
    std::vector<std::string> toStrings() const;
};

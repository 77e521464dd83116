#include "settings/PValue.h"

#include "platform/TextCodec.h"
#include "settings/PBinary.h"

namespace {

void refuseObjectValue(const TPValue& value) {
    if (value.isPersistedByObject())
        throw EPSettingException(
            "Cannot use GetAs functions with collections or hidden properties");
}

} // namespace

TPValue TPValue::makeText(TPValueKind kind, std::string text) {
    TPValue v;
    v.kind = kind;
    v.text = std::move(text);
    return v;
}

TPValue TPValue::makeInteger(std::int32_t integer) {
    TPValue v;
    v.kind = pvkInteger;
    v.integer = integer;
    return v;
}

TPValue TPValue::makeNumber(TPValueKind kind, double number) {
    TPValue v;
    v.kind = kind;
    v.number = number;
    return v;
}

TPValue TPValue::makeBoolean(bool boolean) {
    TPValue v;
    v.kind = pvkBoolean;
    v.boolean = boolean;
    return v;
}

TPValue TPValue::makeVariant(const QVariant& value) {
    const int type = value.typeId();
    if (type == QMetaType::QVariantList || type == QMetaType::QStringList ||
        type == QMetaType::QByteArrayList)
        throw EPSettingException("TPSetting.AsVariant cannot accept variant arrays");
    return makeText(pvkVariant, platform::fromQString(value.toString()));
}

TPValue TPValue::makeStrings(const std::vector<std::string>& items) {
    return makeText(pvkStrings, pbinary::toCommaText(items));
}

bool TPValue::differsFrom(const TPValue& other) const {
    if (kind != other.kind)
        return true;
    switch (kind) {
    case pvkNone:
        return false;
    case pvkInteger:
        return integer != other.integer;
    case pvkBoolean:
        return boolean != other.boolean;
    case pvkFloat:
    case pvkDateTime:
        return number != other.number;
    case pvkString:
    case pvkVariant:
    case pvkStrings:
        return text != other.text;
    default:
        return true;
    }
}

bool TPValue::isNumeric() const {
    return kind == pvkInteger || kind == pvkFloat ||
           ((kind == pvkString || kind == pvkVariant) && pbinary::readNumber(text));
}

std::string TPValue::toString() const {
    refuseObjectValue(*this);
    switch (kind) {
    case pvkString:
    case pvkVariant:
    case pvkStrings:
        return text;
    case pvkInteger:
        return std::to_string(integer);
    case pvkFloat:
        return pbinary::formatFloat(number);
    case pvkBoolean:
        return boolean ? "True" : "False";
    case pvkDateTime:
        return pbinary::formatDateTime(number);
    default:
        return {};
    }
}

std::int32_t TPValue::toInteger() const {
    refuseObjectValue(*this);
    switch (kind) {
    case pvkString:
    case pvkVariant:
        return pbinary::truncateToInt32(pbinary::readNumber(text).value_or(0));
    case pvkInteger:
        return integer;
    case pvkFloat:
        return pbinary::truncateToInt32(number);
    case pvkBoolean:
        return boolean ? 1 : 0;
    case pvkDateTime:
        throw EPSettingException("TPSetting.AsInteger cannot convert from TDateTime type");
    case pvkStrings:
        throw EPSettingException("TPSetting.AsInteger cannot convert from TStrings type");
    default:
        return 0;
    }
}

double TPValue::toFloat() const {
    refuseObjectValue(*this);
    switch (kind) {
    case pvkString:
    case pvkVariant:
        return pbinary::readNumber(text).value_or(0);
    case pvkInteger:
        return integer;
    case pvkFloat:
    case pvkDateTime:
        return number;
    case pvkBoolean:
        return boolean ? 1 : 0;
    case pvkStrings:
        throw EPSettingException("TPSetting.AsFloat cannot convert from TStrings type");
    default:
        return 0;
    }
}

bool TPValue::toBoolean() const {
    refuseObjectValue(*this);
    switch (kind) {
    case pvkString:
    case pvkVariant:
        return text == "True";
    case pvkInteger:
        return integer != 0;
    case pvkFloat:
        return number != 0;
    case pvkBoolean:
        return boolean;
    case pvkDateTime:
        throw EPSettingException("TPSetting.AsBoolean cannot convert from TDateTime type");
    case pvkStrings:
        throw EPSettingException("TPSetting.AsBoolean cannot convert from TStrings type");
    default:
        return false;
    }
}

QVariant TPValue::toVariant() const {
    refuseObjectValue(*this);
    switch (kind) {
    case pvkString:
    case pvkVariant:
    case pvkStrings:
        return platform::toQString(text);
    case pvkInteger:
        return integer;
    case pvkFloat:
    case pvkDateTime:
        return number;
    case pvkBoolean:
        return boolean;
    default:
        return QString();
    }
}

std::vector<std::string> TPValue::toStrings() const {
    refuseObjectValue(*this);
    if (kind == pvkNone)
        return {};
    if (kind == pvkStrings)
        return pbinary::fromCommaText(text);
    return {toString()};
}

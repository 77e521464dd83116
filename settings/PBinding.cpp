#include "settings/PBinding.h"

#include "platform/TextCodec.h"
#include "settings/PCollection.h"

#include <QDateTime>
#include <QMetaEnum>
#include <QStringList>
#include <cmath>
#include <optional>
#include <vector>

using pcollection::PropKind;

namespace {

// Names in stored settings match components and properties without regard to letter
// case ("Checked" finds a QAction's "checked"); an exact match is preferred.
QObject* findComponent(QObject* window, const QByteArray& name) {
    if (name.isEmpty())
        return nullptr;
    const QString wanted = QString::fromLatin1(name);
    if (QObject* exact = window->findChild<QObject*>(wanted))
        return exact;
    for (QObject* child : window->findChildren<QObject*>())
        if (child->objectName().compare(wanted, Qt::CaseInsensitive) == 0)
            return child;
    return nullptr;
}

std::vector<QByteArray> splitPath(const std::string& path) {
    std::vector<QByteArray> parts;
    for (const QByteArray& part : QByteArray::fromStdString(path).split('.'))
        parts.push_back(part);
    return parts;
}

const QDateTime& dayZero() {
    static const QDateTime zero(QDate(1899, 12, 30), QTime(0, 0));
    return zero;
}

// Single-bit members of a flags type, in bit order, as a set's members.
std::vector<std::pair<QByteArray, int>> setMembers(const QMetaEnum& e) {
    std::vector<std::pair<QByteArray, int>> members;
    for (int bit = 0; bit < 32; ++bit)
        for (int i = 0; i < e.keyCount(); ++i)
            if (static_cast<unsigned>(e.value(i)) == (1u << bit)) {
                members.emplace_back(e.key(i), e.value(i));
                break;
            }
    return members;
}

// ---- property to value ----

std::string setText(const QMetaEnum& e, int bits) {
    std::string text;
    for (const auto& [name, bit] : setMembers(e))
        if (bits & bit) {
            if (!text.empty())
                text.push_back(',');
            text.append(name.constData(), static_cast<std::size_t>(name.size()));
        }
    return text;
}

std::vector<std::string> fromQStringList(const QStringList& list) {
    std::vector<std::string> items;
    for (const QString& item : list)
        items.push_back(platform::fromQString(item));
    return items;
}

// A collection is kept through the object itself; any other component by its name.
TPValue objectValue(QObject* held) {
    if (pcollection::isCollection(held)) {
        TPValue v;
        v.kind = pvkCollection;
        v.object = held;
        return v;
    }
    if (held)
        return TPValue::makeText(pvkString, held->objectName().toStdString());
    return {};
}

TPValue propertyValue(const QMetaProperty& p, const QVariant& q) {
    switch (pcollection::propertyKind(p)) {
    case PropKind::Integer:
        return TPValue::makeInteger(q.typeId() == QMetaType::QChar ? q.toChar().unicode()
                                                                   : q.toInt());
    case PropKind::Enumeration: {
        const char* key = p.enumerator().valueToKey(q.toInt());
        return TPValue::makeText(pvkString, key ? key : "");
    }
    case PropKind::Boolean:
        return TPValue::makeText(pvkString, q.toBool() ? "True" : "False");
    case PropKind::Float:
        return TPValue::makeNumber(pvkFloat, q.toDouble());
    case PropKind::DateTime:
        return TPValue::makeNumber(
            pvkFloat, static_cast<double>(dayZero().msecsTo(q.toDateTime())) / 86400000.0);
    case PropKind::String:
        return TPValue::makeText(pvkString, platform::fromQString(q.toString()));
    case PropKind::Bytes:
        return TPValue::makeText(pvkString, q.toByteArray().toStdString());
    case PropKind::Set:
        return TPValue::makeText(pvkString, setText(p.enumerator(), q.toInt()));
    case PropKind::Strings:
        return TPValue::makeStrings(fromQStringList(q.toStringList()));
    case PropKind::Object:
        return objectValue(q.value<QObject*>());
    case PropKind::Variant:
        return TPValue::makeText(pvkVariant, platform::fromQString(q.toString()));
    case PropKind::Other:
        break;
    }
    return {};
}

// ---- value to property ----

QVariant integerVariant(const QMetaProperty& p, std::int32_t value) {
    if (p.metaType().id() == QMetaType::QChar)
        return QChar(static_cast<char16_t>(value));
    return value;
}

// A text naming no member leaves the property as it is.
std::optional<int> enumMember(const QMetaEnum& e, const std::string& text) {
    const QByteArray name = QByteArray::fromStdString(text);
    for (int i = 0; i < e.keyCount(); ++i)
        if (name.compare(e.key(i), Qt::CaseInsensitive) == 0)
            return e.value(i);
    return std::nullopt;
}

std::optional<bool> booleanText(const std::string& text) {
    const QByteArray name = QByteArray::fromStdString(text);
    if (name.compare("True", Qt::CaseInsensitive) == 0)
        return true;
    if (name.compare("False", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

// Days beyond what a date can hold leave the property as it is.
std::optional<QDateTime> dateTimeOf(double days) {
    const double ms = days * 86400000.0;
    if (!(std::abs(ms) < 1e15))
        return std::nullopt;
    return dayZero().addMSecs(static_cast<qint64>(std::llround(ms)));
}

int setBits(const QMetaEnum& e, const std::string& text) {
    int bits = 0;
    for (const QByteArray& name : QByteArray::fromStdString(text).split(','))
        for (const auto& [member, bit] : setMembers(e))
            if (name.trimmed().compare(member, Qt::CaseInsensitive) == 0)
                bits |= bit;
    return bits;
}

QStringList toQStringList(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items)
        list.append(platform::toQString(item));
    return list;
}

} // namespace

QObject* TPBinding::component(const QByteArray& name) const {
    // The remembered one still counts while it carries exactly that name and sits in
    // the window; a match that ignored letter case is looked up anew each time.
    if (component_ && componentName_ == name && component_->objectName() == QLatin1String(name)) {
        for (QObject* o = component_->parent(); o; o = o->parent())
            if (o == window_)
                return component_;
    }
    QObject* found = findComponent(window_, name);
    const bool exact = found && found->objectName() == QLatin1String(name);
    component_ = exact ? found : nullptr;
    componentName_ = exact ? name : QByteArray();
    return found;
}

TPBinding::Target TPBinding::resolve(const std::string& path, bool forReading) const {
    Target target;
    QObject* window = window_;
    if (!window || path.empty())
        return target;
    std::vector<QByteArray> parts = splitPath(path);
    if (parts.size() > 1 &&
        parts.front().compare(window->objectName().toLatin1(), Qt::CaseInsensitive) == 0)
        parts.erase(parts.begin());
    QObject* current = window;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const QByteArray& part = parts[i];
        const bool last = i + 1 == parts.size();
        const int index = pcollection::findProperty(current->metaObject(), part);
        if (index >= 0) {
            const QMetaProperty property = current->metaObject()->property(index);
            if (last) {
                target.object = current;
                target.property = property;
                target.hasProperty = true;
                return target;
            }
            QObject* held = pcollection::propertyKind(property) == PropKind::Object
                                ? property.read(current).value<QObject*>()
                                : nullptr;
            if (!held)
                return target;
            current = held;
            continue;
        }
        if (QObject* found = component(part)) {
            current = found;
            continue;
        }
        if (forReading && last && pcollection::hasHiddenProperty(current, part)) {
            target.object = current;
            target.hiddenName = part;
        }
        return target;
    }
    return target;
}

TPValue TPBinding::Read(const std::string& path) const {
    const Target t = resolve(path, true);
    if (!t.hiddenName.isEmpty()) {
        TPValue v;
        v.kind = pvkHidden;
        v.object = t.object;
        v.hiddenName = t.hiddenName;
        return v;
    }
    if (!t.hasProperty)
        return {};
    return propertyValue(t.property, t.property.read(t.object));
}

void TPBinding::Apply(const std::string& path, const TPValue& value) const {
    const Target t = resolve(path, false);
    if (!t.hasProperty)
        return;
    QObject* o = t.object;
    const QMetaProperty& p = t.property;
    switch (pcollection::propertyKind(p)) {
    case PropKind::Integer:
        if (value.isNumeric())
            p.write(o, integerVariant(p, value.toInteger()));
        break;
    case PropKind::Enumeration:
        if (const auto member = enumMember(p.enumerator(), value.toString()))
            p.write(o, *member);
        break;
    case PropKind::Boolean:
        if (const auto boolean = booleanText(value.toString()))
            p.write(o, *boolean);
        break;
    case PropKind::Float:
        if (value.isNumeric())
            p.write(o, value.toFloat());
        break;
    case PropKind::DateTime:
        if (value.isNumeric())
            if (const auto when = dateTimeOf(value.toFloat()))
                p.write(o, *when);
        break;
    case PropKind::String:
        p.write(o, platform::toQString(value.toString()));
        break;
    case PropKind::Bytes:
        p.write(o, QByteArray::fromStdString(value.toString()));
        break;
    case PropKind::Set:
        if (value.kind == pvkString)
            p.write(o, setBits(p.enumerator(), value.text));
        break;
    case PropKind::Strings:
        // The property becomes exactly the stored list.
        p.write(o, toQStringList(value.toStrings()));
        break;
    case PropKind::Object:
        applyObject(t, value);
        break;
    case PropKind::Variant:
        p.write(o, value.toVariant());
        break;
    case PropKind::Other:
        break;
    }
}

void TPBinding::applyObject(const Target& t, const TPValue& value) const {
    const QMetaProperty& p = t.property;
    QObject* held = p.read(t.object).value<QObject*>();
    if (!held || pcollection::isCollection(held))
        return;
    QObject* component = findComponent(window_, QByteArray::fromStdString(value.toString()));
    const QMetaObject* accepted = p.metaType().metaObject();
    // Only a component of a class the property can hold is assigned.
    if (component && (!accepted || component->metaObject()->inherits(accepted)))
        p.write(t.object, QVariant(p.metaType(), &component));
}

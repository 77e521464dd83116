// How a bound setting finds its property and reads and sets it by the property's type.
#include "platform/TextCodec.h"
#include "settings/FlagGuard.h"
#include "settings/PBinary.h"
#include "settings/PCollection.h"
#include "settings/PSetting.h"

#include <QDateTime>
#include <QMetaEnum>
#include <QStringList>
#include <cmath>

using pcollection::PropKind;

struct TPSetting::Target {
    QObject* object = nullptr;
    QMetaProperty property;
    bool hasProperty = false;
    QByteArray hiddenName; // not empty for a hidden property of object
};

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

} // namespace

QObject* TPSetting::component(const QByteArray& name) const {
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

TPSetting::Target TPSetting::resolve(bool forReading) const {
    Target target;
    QObject* window = window_;
    if (!window || BoundProperty.empty())
        return target;
    std::vector<QByteArray> parts = splitPath(BoundProperty);
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

TPValue TPSetting::readProperty() const {
    const Target t = resolve(true);
    TPValue v;
    if (!t.hiddenName.isEmpty()) {
        v.kind = pvkHidden;
        v.object = t.object;
        v.hiddenName = t.hiddenName;
        return v;
    }
    if (!t.hasProperty)
        return v;
    const QVariant q = t.property.read(t.object);
    switch (pcollection::propertyKind(t.property)) {
    case PropKind::Integer:
        v.kind = pvkInteger;
        v.integer = q.typeId() == QMetaType::QChar ? q.toChar().unicode() : q.toInt();
        break;
    case PropKind::Enumeration:
        v.kind = pvkString;
        if (const char* key = t.property.enumerator().valueToKey(q.toInt()))
            v.text = key;
        break;
    case PropKind::Boolean:
        v.kind = pvkString;
        v.text = q.toBool() ? "True" : "False";
        break;
    case PropKind::Float:
        v.kind = pvkFloat;
        v.number = q.toDouble();
        break;
    case PropKind::DateTime:
        v.kind = pvkFloat;
        v.number = static_cast<double>(dayZero().msecsTo(q.toDateTime())) / 86400000.0;
        break;
    case PropKind::String:
        v.kind = pvkString;
        v.text = platform::fromQString(q.toString());
        break;
    case PropKind::Bytes:
        v.kind = pvkString;
        v.text = q.toByteArray().toStdString();
        break;
    case PropKind::Set: {
        v.kind = pvkString;
        for (const auto& [name, bit] : setMembers(t.property.enumerator()))
            if (q.toInt() & bit) {
                if (!v.text.empty())
                    v.text.push_back(',');
                v.text.append(name.constData(), static_cast<std::size_t>(name.size()));
            }
        break;
    }
    case PropKind::Strings: {
        std::vector<std::string> items;
        for (const QString& item : q.toStringList())
            items.push_back(platform::fromQString(item));
        v.kind = pvkStrings;
        v.text = pbinary::toCommaText(items);
        break;
    }
    case PropKind::Object: {
        QObject* held = q.value<QObject*>();
        if (pcollection::isCollection(held)) {
            v.kind = pvkCollection;
            v.object = held;
        } else if (held) {
            v.kind = pvkString;
            v.text = held->objectName().toStdString();
        }
        break;
    }
    case PropKind::Variant:
        v.kind = pvkVariant;
        v.text = platform::fromQString(q.toString());
        break;
    case PropKind::Other:
        break;
    }
    return v;
}

void TPSetting::ReadFromProperty() {
    const FlagGuard guard(reading_);
    value_ = readProperty();
}

void TPSetting::ApplyToProperty() {
    if (value_.kind == pvkNone)
        return;
    const FlagGuard guard(applying_);
    const Target t = resolve(false);
    if (t.hasProperty)
        applyValue(t);
}

void TPSetting::applyValue(const Target& t) {
    QObject* o = t.object;
    const QMetaProperty& p = t.property;
    const bool numeric = value_.kind == pvkInteger || value_.kind == pvkFloat ||
                         ((value_.kind == pvkString || value_.kind == pvkVariant) &&
                          pbinary::readNumber(value_.text));
    switch (pcollection::propertyKind(p)) {
    case PropKind::Integer:
        if (numeric)
            p.write(o, p.metaType().id() == QMetaType::QChar
                           ? QVariant(QChar(static_cast<char16_t>(AsInteger())))
                           : QVariant(AsInteger()));
        break;
    case PropKind::Enumeration: {
        // A text naming no member leaves the property as it is.
        const QMetaEnum e = p.enumerator();
        const QByteArray name = QByteArray::fromStdString(AsString());
        for (int i = 0; i < e.keyCount(); ++i)
            if (name.compare(e.key(i), Qt::CaseInsensitive) == 0) {
                p.write(o, e.value(i));
                break;
            }
        break;
    }
    case PropKind::Boolean: {
        const QByteArray name = QByteArray::fromStdString(AsString());
        if (name.compare("True", Qt::CaseInsensitive) == 0)
            p.write(o, true);
        else if (name.compare("False", Qt::CaseInsensitive) == 0)
            p.write(o, false);
        break;
    }
    case PropKind::Float:
        if (numeric)
            p.write(o, AsFloat());
        break;
    case PropKind::DateTime:
        if (numeric) {
            const double ms = AsFloat() * 86400000.0;
            if (std::abs(ms) < 1e15)
                p.write(o, dayZero().addMSecs(static_cast<qint64>(std::llround(ms))));
        }
        break;
    case PropKind::String:
        p.write(o, platform::toQString(AsString()));
        break;
    case PropKind::Bytes:
        p.write(o, QByteArray::fromStdString(AsString()));
        break;
    case PropKind::Set:
        if (value_.kind == pvkString) {
            int bits = 0;
            for (const QByteArray& name : QByteArray::fromStdString(value_.text).split(','))
                for (const auto& [member, bit] : setMembers(p.enumerator()))
                    if (name.trimmed().compare(member, Qt::CaseInsensitive) == 0)
                        bits |= bit;
            p.write(o, bits);
        }
        break;
    case PropKind::Strings: {
        // The property becomes exactly the stored list.
        std::vector<std::string> items;
        AsStrings(items);
        QStringList list;
        for (const std::string& item : items)
            list.append(platform::toQString(item));
        p.write(o, list);
        break;
    }
    case PropKind::Object: {
        QObject* held = p.read(o).value<QObject*>();
        if (!held || pcollection::isCollection(held))
            break;
        QObject* component = findComponent(window_, QByteArray::fromStdString(AsString()));
        const QMetaObject* accepted = p.metaType().metaObject();
        // Only a component of a class the property can hold is assigned.
        if (component && (!accepted || component->metaObject()->inherits(accepted)))
            p.write(o, QVariant(p.metaType(), &component));
        break;
    }
    case PropKind::Variant:
        p.write(o, AsVariant());
        break;
    case PropKind::Other:
        break;
    }
}

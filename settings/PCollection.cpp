#include "settings/PCollection.h"

#include "platform/TextCodec.h"
#include "settings/PBinary.h"

#include <QDateTime>
#include <QMetaEnum>
#include <QVariant>

namespace pcollection {

namespace {

using pbinary::DecodeStop;
using pbinary::Reader;

enum Tag : std::uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05,
    vaString = 0x06,
    vaIdent = 0x07,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaSet = 0x0B,
    vaLString = 0x0C,
    vaCollection = 0x0E,
    vaWString = 0x12,
    vaInt64 = 0x13,
    vaUTF8String = 0x14,
};

QByteArray classInfo(const QObject* object, const QByteArray& key) {
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfClassInfo(key.constData());
    return index < 0 ? QByteArray() : QByteArray(meta->classInfo(index).value());
}

bool sameText(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A property's value as the text that defaults are declared in.
QByteArray valueText(const QObject* object, const QMetaProperty& p) {
    const QVariant v = p.read(object);
    switch (propertyKind(p)) {
    case PropKind::Enumeration:
        return p.enumerator().valueToKey(v.toInt());
    case PropKind::Set:
        return p.enumerator().valueToKeys(v.toInt());
    case PropKind::Boolean:
        return v.toBool() ? "True" : "False";
    default:
        return v.toString().toUtf8();
    }
}

bool isStored(const QObject* item, const QMetaProperty& p) {
    if (!p.isStored() || !p.isReadable() || !p.isWritable())
        return false;
    const QByteArray when = classInfo(item, QByteArray("StoredWhen:") + p.name());
    if (when.isEmpty())
        return true;
    const int eq = when.indexOf('=');
    const QMetaObject* meta = item->metaObject();
    const int other = meta->indexOfProperty(when.left(eq).constData());
    return other >= 0 && sameText(valueText(item, meta->property(other)), when.mid(eq + 1));
}

void putName(std::string& out, const QByteArray& name) {
    out.push_back(static_cast<char>(name.size()));
    out.append(name.constData(), static_cast<std::size_t>(name.size()));
}

void putInteger(std::string& out, qint64 v) {
    if (v >= -128 && v <= 127) {
        out.push_back(static_cast<char>(vaInt8));
        out.push_back(static_cast<char>(static_cast<std::int8_t>(v)));
    } else if (v >= -32768 && v <= 32767) {
        out.push_back(static_cast<char>(vaInt16));
        pbinary::putInt16(out, static_cast<std::int16_t>(v));
    } else if (v >= INT32_MIN && v <= INT32_MAX) {
        out.push_back(static_cast<char>(vaInt32));
        pbinary::putInt32(out, static_cast<std::int32_t>(v));
    } else {
        out.push_back(static_cast<char>(vaInt64));
        pbinary::putInt32(out, static_cast<std::int32_t>(v & 0xFFFFFFFF));
        pbinary::putInt32(out, static_cast<std::int32_t>(v >> 32));
    }
}

void putText(std::string& out, const QString& text) {
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    // A text with an unpaired surrogate has no UTF-8 form: it goes out as UTF-16.
    const bool utf8Exact = text.isValidUtf16();
    if (ascii) {
        const std::string bytes = text.toStdString();
        if (bytes.size() <= 255) {
            out.push_back(static_cast<char>(vaString));
            out.push_back(static_cast<char>(bytes.size()));
        } else {
            out.push_back(static_cast<char>(vaLString));
            pbinary::putInt32(out, static_cast<std::int32_t>(bytes.size()));
        }
        out += bytes;
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    if (utf8Exact && utf8.size() < 2 * text.size()) {
        out.push_back(static_cast<char>(vaUTF8String));
        pbinary::putInt32(out, static_cast<std::int32_t>(utf8.size()));
        out.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        return;
    }
    out.push_back(static_cast<char>(vaWString));
    pbinary::putInt32(out, static_cast<std::int32_t>(text.size()));
    for (QChar c : text)
        pbinary::putInt16(out, static_cast<std::int16_t>(c.unicode()));
}

void putIdent(std::string& out, const QByteArray& name) {
    if (sameText(name, "False") || sameText(name, "True")) {
        out.push_back(static_cast<char>(sameText(name, "True") ? vaTrue : vaFalse));
        return;
    }
    out.push_back(static_cast<char>(vaIdent));
    putName(out, name);
}

// A value of the item encoding; false when the type has none.
bool putValue(std::string& out, const QVariant& v, const QMetaProperty* p) {
    const PropKind kind = p ? propertyKind(*p) : PropKind::Other;
    if (kind == PropKind::Enumeration) {
        putIdent(out, p->enumerator().valueToKey(v.toInt()));
        return true;
    }
    if (kind == PropKind::Set) {
        out.push_back(static_cast<char>(vaSet));
        const QMetaEnum e = p->enumerator();
        for (int i = 0; i < e.keyCount(); ++i)
            if (const int bit = e.value(i); bit != 0 && (bit & (bit - 1)) == 0 && (v.toInt() & bit))
                putName(out, e.key(i));
        out.push_back(0);
        return true;
    }
    switch (v.typeId()) {
    case QMetaType::Bool:
        out.push_back(static_cast<char>(v.toBool() ? vaTrue : vaFalse));
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        putInteger(out, v.toLongLong());
        return true;
    case QMetaType::Double:
    case QMetaType::Float:
        out.push_back(static_cast<char>(vaExtended));
        out += pbinary::toExtended(v.toDouble());
        return true;
    case QMetaType::QString:
        putText(out, v.toString());
        return true;
    case QMetaType::QByteArray:
        putText(out, platform::toQString(v.toByteArray().toStdString()));
        return true;
    default:
        return false;
    }
}

void putItem(std::string& out, QObject* item) {
    const QMetaObject* meta = item->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!isStored(item, p))
            continue;
        const QByteArray def = classInfo(item, QByteArray("Default:") + p.name());
        const bool hasDefault =
            meta->indexOfClassInfo(("Default:" + QByteArray(p.name())).constData()) >= 0;
        const QVariant v = p.read(item);
        if (propertyKind(p) == PropKind::String && v.toString().isEmpty())
            continue;
        if (hasDefault && sameText(valueText(item, p), def))
            continue;
        std::string value;
        if (!putValue(value, v, &p))
            continue;
        putName(out, p.name());
        out += value;
    }
}

// ---- reading ----

qint64 readInteger(Reader& r, std::uint8_t tag) {
    switch (tag) {
    case vaInt8:
        return static_cast<std::int8_t>(r.byte());
    case vaInt16:
        return r.int16();
    case vaInt32:
        return r.int32();
    case vaInt64: {
        const auto low = static_cast<std::uint32_t>(r.int32());
        const auto high = static_cast<qint64>(r.int32());
        return static_cast<qint64>((static_cast<quint64>(high) << 32) | low);
    }
    default:
        throw DecodeStop();
    }
}

bool isIntegerTag(std::uint8_t tag) {
    return tag == vaInt8 || tag == vaInt16 || tag == vaInt32 || tag == vaInt64;
}

QString readText(Reader& r, std::uint8_t tag) {
    switch (tag) {
    case vaString:
        return platform::toQString(r.bytes(r.byte()));
    case vaLString:
        return platform::toQString(r.bytes(static_cast<std::uint32_t>(r.int32())));
    case vaUTF8String: {
        const std::string_view b = r.bytes(static_cast<std::uint32_t>(r.int32()));
        return QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
    }
    case vaWString: {
        const std::uint64_t count = static_cast<std::uint32_t>(r.int32());
        const std::string_view b = r.bytes(count * 2);
        QString text;
        text.reserve(static_cast<qsizetype>(count));
        for (std::size_t i = 0; i + 1 < b.size(); i += 2)
            text.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(b[i]) |
                                                    (static_cast<unsigned char>(b[i + 1]) << 8))));
        return text;
    }
    default:
        throw DecodeStop();
    }
}

bool isTextTag(std::uint8_t tag) {
    return tag == vaString || tag == vaLString || tag == vaUTF8String || tag == vaWString;
}

QByteArray readName(Reader& r) {
    const std::string_view b = r.bytes(r.byte());
    return QByteArray(b.data(), static_cast<qsizetype>(b.size()));
}

int matchKey(const QMetaEnum& e, const QByteArray& name) {
    for (int i = 0; i < e.keyCount(); ++i)
        if (sameText(e.key(i), name))
            return e.value(i);
    throw DecodeStop();
}

// A value free of any property, as a typed hidden-property reader receives it.
QVariant readAnyValue(Reader& r) {
    const std::uint8_t tag = r.byte();
    if (isIntegerTag(tag))
        return QVariant(readInteger(r, tag));
    if (isTextTag(tag))
        return QVariant(readText(r, tag));
    switch (tag) {
    case vaFalse:
    case vaTrue:
        return QVariant(tag == vaTrue);
    case vaExtended:
        return QVariant(pbinary::fromExtended(r.bytes(10)));
    case vaIdent:
        return QVariant(QString::fromLatin1(readName(r)));
    default:
        throw DecodeStop();
    }
}

// Reads one value into the property; a value that does not suit it stops the reading.
void readValueInto(Reader& r, QObject* item, const QMetaProperty& p) {
    const std::uint8_t tag = r.byte();
    QVariant v;
    switch (propertyKind(p)) {
    case PropKind::Integer:
        v = readInteger(r, tag);
        break;
    case PropKind::Float:
        v = tag == vaExtended ? pbinary::fromExtended(r.bytes(10))
                              : static_cast<double>(readInteger(r, tag));
        break;
    case PropKind::Boolean:
        if (tag == vaIdent) {
            const QByteArray name = readName(r);
            if (!sameText(name, "True") && !sameText(name, "False"))
                throw DecodeStop();
            v = sameText(name, "True");
        } else if (tag == vaFalse || tag == vaTrue)
            v = tag == vaTrue;
        else
            throw DecodeStop();
        break;
    case PropKind::Enumeration:
        if (tag == vaIdent)
            v = matchKey(p.enumerator(), readName(r));
        else if (tag == vaFalse || tag == vaTrue)
            v = matchKey(p.enumerator(), tag == vaTrue ? "True" : "False");
        else
            throw DecodeStop();
        break;
    case PropKind::Set: {
        if (tag != vaSet)
            throw DecodeStop();
        int bits = 0;
        for (QByteArray name = readName(r); !name.isEmpty(); name = readName(r))
            bits |= matchKey(p.enumerator(), name);
        v = bits;
        break;
    }
    case PropKind::String:
        v = readText(r, tag);
        break;
    case PropKind::Bytes:
        v = QByteArray::fromStdString(platform::fromQString(readText(r, tag)));
        break;
    default:
        throw DecodeStop();
    }
    p.write(item, v);
}

int itemCount(QObject* collection) {
    int count = 0;
    QMetaObject::invokeMethod(collection, "count", Qt::DirectConnection, Q_RETURN_ARG(int, count));
    return count;
}

QObject* itemAt(QObject* collection, int index) {
    QObject* item = nullptr;
    QMetaObject::invokeMethod(collection, "item", Qt::DirectConnection,
                              Q_RETURN_ARG(QObject*, item), Q_ARG(int, index));
    return item;
}

QObject* addItem(QObject* collection) {
    QObject* item = nullptr;
    QMetaObject::invokeMethod(collection, "add", Qt::DirectConnection,
                              Q_RETURN_ARG(QObject*, item));
    return item;
}

} // namespace

PropKind propertyKind(const QMetaProperty& p) {
    if (p.isEnumType())
        return p.isFlagType() ? PropKind::Set : PropKind::Enumeration;
    const QMetaType type = p.metaType();
    if (type.flags() & QMetaType::PointerToQObject)
        return PropKind::Object;
    switch (type.id()) {
    case QMetaType::Bool:
        return PropKind::Boolean;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::QChar:
    case QMetaType::Char16:
        return PropKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return PropKind::Float;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return PropKind::DateTime;
    case QMetaType::QString:
        return PropKind::String;
    case QMetaType::QByteArray:
        return PropKind::Bytes;
    case QMetaType::QStringList:
        return PropKind::Strings;
    case QMetaType::QVariant:
        return PropKind::Variant;
    default:
        return PropKind::Other;
    }
}

int findProperty(const QMetaObject* meta, const QByteArray& name) {
    const int exact = meta->indexOfProperty(name.constData());
    if (exact >= 0)
        return exact;
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (name.compare(meta->property(i).name(), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool isCollection(const QObject* object) {
    return object && object->metaObject()->indexOfClassInfo("PersistentCollection") >= 0;
}

bool hasHiddenProperty(const QObject* object, const QByteArray& name) {
    return object && object->metaObject()->indexOfClassInfo(("Hidden:" + name).constData()) >= 0;
}

std::string encodeCollection(QObject* collection) {
    std::string out(1, static_cast<char>(vaCollection));
    const int count = itemCount(collection);
    for (int i = 0; i < count; ++i) {
        QObject* item = itemAt(collection, i);
        out.push_back(static_cast<char>(vaList));
        if (item)
            putItem(out, item);
        out.push_back(static_cast<char>(vaNull));
    }
    out.push_back(static_cast<char>(vaNull));
    return out;
}

bool decodeCollection(QObject* collection, std::string_view data) {
    Reader r(data);
    try {
        if (r.byte() != vaCollection)
            return false;
        // The items go only once a new one begins, so that a value that holds none, even
        // a damaged one, keeps them.
        bool cleared = false;
        for (;;) {
            std::uint8_t tag = r.byte();
            if (tag == vaNull)
                return r.atEnd();
            if (isIntegerTag(tag)) {
                readInteger(r, tag); // an item index some writers put first
                tag = r.byte();
            }
            if (tag != vaList)
                return false;
            if (!cleared)
                QMetaObject::invokeMethod(collection, "clear", Qt::DirectConnection);
            cleared = true;
            QObject* item = addItem(collection);
            if (!item)
                return false;
            while (r.peek() != vaNull) {
                const QByteArray name = readName(r);
                const int index = findProperty(item->metaObject(), name);
                if (index < 0)
                    return false;
                readValueInto(r, item, item->metaObject()->property(index));
            }
            r.byte();
        }
    } catch (const DecodeStop&) {
        // What was read so far stays; the rest of the value is not used.
        return false;
    }
}

std::string writeHidden(QObject* object, const QByteArray& name) {
    const bool raw = classInfo(object, "Hidden:" + name) == "raw";
    const QByteArray method = "write" + name;
    if (raw) {
        QByteArray bytes;
        QMetaObject::invokeMethod(object, method.constData(), Qt::DirectConnection,
                                  Q_RETURN_ARG(QByteArray, bytes));
        return bytes.toStdString();
    }
    QVariantList values;
    QMetaObject::invokeMethod(object, method.constData(), Qt::DirectConnection,
                              Q_RETURN_ARG(QVariantList, values));
    std::string out;
    for (const QVariant& v : values)
        putValue(out, v, nullptr);
    return out;
}

bool readHidden(QObject* object, const QByteArray& name, std::string_view data) {
    const bool raw = classInfo(object, "Hidden:" + name) == "raw";
    const QByteArray method = "read" + name;
    if (raw) {
        QMetaObject::invokeMethod(
            object, method.constData(), Qt::DirectConnection,
            Q_ARG(QByteArray, QByteArray(data.data(), static_cast<qsizetype>(data.size()))));
        return true;
    }
    QVariantList values;
    Reader r(data);
    try {
        while (!r.atEnd())
            values.append(readAnyValue(r));
    } catch (const DecodeStop&) {
        return false; // a damaged record is not handed on half read
    }
    QMetaObject::invokeMethod(object, method.constData(), Qt::DirectConnection,
                              Q_ARG(QVariantList, values));
    return true;
}

} // namespace pcollection

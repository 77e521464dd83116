#pragma once

#include <QByteArray>
#include <QMetaProperty>
#include <QObject>
#include <string>
#include <string_view>

// Collections and hidden properties as the settings store sees them through Qt's
// meta-object system, so that the controls need not link the settings library.
//
// A collection is a QObject with Q_CLASSINFO("PersistentCollection", "true") and the
// invokable methods int count(), QObject* item(int), QObject* add() and void clear().
// Its items are QObjects whose own Q_PROPERTYs are persisted in declaration order. An
// item declares defaults with Q_CLASSINFO("Default:<Property>", "<value as text>")
// (member names for enumerations, "True"/"False", decimal integers) and conditions with
// Q_CLASSINFO("StoredWhen:<Property>", "<Other>=<value as text>").
//
// A hidden property is declared with Q_CLASSINFO("Hidden:<Name>", "raw") and the
// invokable methods QByteArray write<Name>() and void read<Name>(QByteArray), or with
// "typed" and QVariantList write<Name>() and void read<Name>(QVariantList), whose
// values are stored in the item encoding.
namespace pcollection {

// How a property is read and written, by its Qt type.
enum class PropKind {
    Integer, // integers of every width, characters
    Enumeration,
    Boolean,
    Float,
    DateTime,
    String,
    Bytes,
    Set, // a flags enumeration
    Strings,
    Object,
    Variant,
    Other
};
PropKind propertyKind(const QMetaProperty& property);
// The index of the property of that name, letter case ignored when no name matches
// exactly; -1 when there is none.
int findProperty(const QMetaObject* meta, const QByteArray& name);

bool isCollection(const QObject* object);
bool hasHiddenProperty(const QObject* object, const QByteArray& name);

// One byte 0x0E, per item 0x01, its stored properties and 0x00, then 0x00.
std::string encodeCollection(QObject* collection);
// Reads an encoding into the collection: a non-empty list replaces its items; an
// unknown property or a malformed value stops the reading silently, keeping the items
// read so far. Never reads past data. True when the whole of data was read.
bool decodeCollection(QObject* collection, std::string_view data);

std::string writeHidden(QObject* object, const QByteArray& name);
// True when the whole of data was handed to the object's reader.
bool readHidden(QObject* object, const QByteArray& name, std::string_view data);

} // namespace pcollection

#pragma once

#include "settings/PValue.h"

#include <QByteArray>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <string>

// The link from a setting to a property of a component of its window, named by a
// dotted path ("pcFoodMain.ActivePage", "frmMain.mnuOptions.Checked"). Each step is a
// property of the object reached so far or, failing that, a component of the window by
// name; letter case is ignored where no name matches exactly. The property is read into
// a tagged value and set from one by the property's type.
class TPBinding {
public:
    void SetWindow(QObject* window) { window_ = window; }
    QObject* Window() const { return window_; }

    // The property's current value: pvkNone when the path names no property, pvkHidden
    // for a hidden property, pvkCollection for a property holding a collection.
    TPValue Read(const std::string& path) const;
    // Sets the property from value; a value the property cannot take leaves it as it
    // is. Raises EPSettingException for a value that has no plain reading.
    void Apply(const std::string& path, const TPValue& value) const;

private:
    struct Target {
        QObject* object = nullptr;
        QMetaProperty property;
        bool hasProperty = false;
        QByteArray hiddenName; // not empty for a hidden property of object
    };
    Target resolve(const std::string& path, bool forReading) const;
    QObject* component(const QByteArray& name) const;
    void applyObject(const Target& target, const TPValue& value) const;

    QPointer<QObject> window_;
    // The component last found by name: a setting resolves its path at every read,
    // restore and save, and a search of the window's whole tree is what that costs.
    mutable QPointer<QObject> component_;
    mutable QByteArray componentName_;
};

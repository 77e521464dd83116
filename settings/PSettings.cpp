#include "settings/PSettings.h"

#include <algorithm>
#include <cstdio>

namespace {

std::function<void(const std::string&)>& errorReporter() {
    static std::function<void(const std::string&)> reporter;
    return reporter;
}

// The organisation the machine was registered to, when the registry names one.
std::string registeredOrganization() {
    TPRegistry registry;
    registry.SetRootKey(platform::RootKey::LocalMachine);
    if (!registry.OpenKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion", false))
        return {};
    try {
        if (registry.GetDataType("RegisteredOrganization") == platform::RegSz)
            return registry.ReadString("RegisteredOrganization");
    } catch (const ERegistryException&) {
        // An unreadable value leaves the name empty.
    }
    return {};
}

} // namespace

TPSettings::TPSettings(QObject* owner) : QObject(owner), company_(registeredOrganization()) {}

TPSettings::~TPSettings() = default;

TPSetting* TPSettings::FindSetting(const std::string& name) const {
    const auto it = std::find_if(settings_.begin(), settings_.end(),
                                 [&](const TPSetting* s) { return s->Name == name; });
    return it == settings_.end() ? nullptr : *it;
}

TPSetting* TPSettings::SettingByName(const std::string& name) const {
    if (TPSetting* s = FindSetting(name))
        return s;
    throw EPSettingsException("No such setting: \"" + name + "\"");
}

std::string TPSettings::basePath() const {
    std::string path = "Software\\";
    for (const std::string* level : {&company_, &software_, &version_})
        if (!level->empty())
            path += *level + '\\';
    return path;
}

bool TPSettings::askAuto(const TPEvAutoSave& event) {
    bool go = true;
    if (event)
        event(this, go);
    return go;
}

platform::RootKey TPSettings::rootKey() const {
    return root_ == prkLocalMachine ? platform::RootKey::LocalMachine
                                    : platform::RootKey::CurrentUser;
}

void TPSettings::saveInBatch() {
    platform::RegistryStore& store = platform::registryStore();
    {
        // One replacement of the backing store for the whole save; what was written
        // before an error is kept.
        platform::RegistryBatch batch(store);
        SaveToRegistry();
    }
    const std::string error = store.lastWriteError();
    if (!error.empty())
        throw ERegistryException(error);
}

void TPSettings::saveWithEvents(bool toRegistry, bool toUser) {
    if (OnPreSave)
        OnPreSave(this);
    if (toRegistry) {
        if (askAuto(OnAutoSave))
            saveInBatch();
    } else if (toUser) {
        UserSave();
    }
    if (OnPostSave)
        OnPostSave(this);
}

void TPSettings::restoreWithEvents(bool fromRegistry, bool fromUser) {
    if (OnPreRestore)
        OnPreRestore(this);
    if (fromRegistry) {
        if (askAuto(OnAutoRestore))
            RestoreFromRegistry();
    } else if (fromUser) {
        UserRestore();
    }
    if (OnPostRestore)
        OnPostRestore(this);
}

void TPSettings::saveListed(TPRegistry& registry, const std::string& path) {
    for (TPSetting* s : settings_)
        s->SaveValue(registry, path, SaveAll);
}

void TPSettings::restoreListed(TPRegistry& registry, const std::string& path) {
    for (TPSetting* s : settings_)
        s->RestoreValue(registry, path);
}

void TPSettings::SetErrorReporter(std::function<void(const std::string&)> reporter) {
    errorReporter() = std::move(reporter);
}

void TPSettings::ReportError(const std::string& message) {
    if (errorReporter())
        errorReporter()(message);
    else
        std::fprintf(stderr, "%s\n", message.c_str());
}

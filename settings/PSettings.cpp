#include "settings/PSettings.h"

#include <algorithm>
#include <cstdio>

namespace {

std::function<void(const std::string&)>& errorReporter() {
    static std::function<void(const std::string&)> reporter;
    return reporter;
}

// Every live application container of the process, on the user-interface thread only.
std::vector<const TPAppSettings*>& liveAppSettings() {
    static std::vector<const TPAppSettings*> live;
    return live;
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

// ---- TPSettings ----

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

void TPSettings::SetErrorReporter(std::function<void(const std::string&)> reporter) {
    errorReporter() = std::move(reporter);
}

void TPSettings::ReportError(const std::string& message) {
    if (errorReporter())
        errorReporter()(message);
    else
        std::fprintf(stderr, "%s\n", message.c_str());
}

// ---- TPAppSettings ----

TPAppSettings::TPAppSettings(QObject* owner) : TPSettings(owner) {
    liveAppSettings().push_back(this);
}

TPAppSettings::~TPAppSettings() {
    auto& live = liveAppSettings();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    if (!TPFormSettings::MainWindowSaved())
        for (TPFormSettings* form : linked_)
            form->app_ = nullptr;
    try {
        save();
    } catch (const std::exception& error) {
        // Nothing is left to refuse the end of the run; say what was not kept.
        ReportError(error.what());
    }
    for (TPSetting* s : Settings())
        delete s;
}

bool TPAppSettings::IsLive(const TPAppSettings* settings) {
    const auto& live = liveAppSettings();
    return settings && std::find(live.begin(), live.end(), settings) != live.end();
}

TPSetting* TPAppSettings::AddSetting(const std::string& name, bool encrypted) {
    auto* s = new TPSetting();
    s->Name = name;
    s->Encrypted = encrypted;
    addSetting(s);
    return s;
}

void TPAppSettings::SetCompanyName(const std::string& name) {
    TPSettings::SetCompanyName(name);
    passOn();
}

void TPAppSettings::SetSoftwareName(const std::string& name) {
    TPSettings::SetSoftwareName(name);
    passOn();
}

void TPAppSettings::SetSoftwareVersion(const std::string& version) {
    TPSettings::SetSoftwareVersion(version);
    passOn();
}

void TPAppSettings::SetRegistryRootKey(TPRootKeyType root) {
    TPSettings::SetRegistryRootKey(root);
    passOn();
}

void TPAppSettings::passOn() {
    for (TPFormSettings* form : linked_) {
        form->TPSettings::SetCompanyName(CompanyName());
        form->TPSettings::SetSoftwareName(SoftwareName());
        form->TPSettings::SetSoftwareVersion(SoftwareVersion());
        form->TPSettings::SetRegistryRootKey(RegistryRootKey());
    }
}

std::string TPAppSettings::RegistryKeyPath() const {
    return basePath() + "AppSettings";
}

void TPAppSettings::UserSave() {
    if (OnUserSave)
        for (TPSetting* s : Settings())
            OnUserSave(this, s);
}

void TPAppSettings::UserRestore() {
    if (OnUserRestore)
        for (TPSetting* s : Settings())
            OnUserRestore(this, s);
}

void TPAppSettings::SaveToRegistry() {
    TPRegistry registry;
    registry.SetRootKey(rootKey());
    const std::string path = RegistryKeyPath();
    for (TPSetting* s : Settings())
        s->SaveValue(registry, path, SaveAll);
}

void TPAppSettings::RestoreFromRegistry() {
    TPRegistry registry;
    registry.SetRootKey(rootKey());
    const std::string path = RegistryKeyPath();
    for (TPSetting* s : Settings())
        s->RestoreValue(registry, path);
}

void TPAppSettings::Loaded() {
    if (OnPreRestore)
        OnPreRestore(this);
    if (SaveLocation == palRegistry) {
        if (askAuto(OnAutoRestore))
            RestoreFromRegistry();
    } else {
        UserRestore();
    }
    if (OnPostRestore)
        OnPostRestore(this);
    for (TPFormSettings* form : linked_)
        form->TakeAppValues();
}

void TPAppSettings::save() {
    if (OnPreSave)
        OnPreSave(this);
    if (SaveLocation == palRegistry) {
        if (askAuto(OnAutoSave))
            saveInBatch();
    } else {
        UserSave();
    }
    if (OnPostSave)
        OnPostSave(this);
}

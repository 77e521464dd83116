#include "settings/PAppSettings.h"

#include "settings/PFormSettings.h"

#include <algorithm>

namespace {

// Every live application container of the process, on the user-interface thread only.
std::vector<const TPAppSettings*>& liveAppSettings() {
    static std::vector<const TPAppSettings*> live;
    return live;
}

} // namespace

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
    saveListed(registry, RegistryKeyPath());
}

void TPAppSettings::RestoreFromRegistry() {
    TPRegistry registry;
    registry.SetRootKey(rootKey());
    restoreListed(registry, RegistryKeyPath());
}

void TPAppSettings::Loaded() {
    restoreWithEvents(SaveLocation == palRegistry, SaveLocation != palRegistry);
    for (TPFormSettings* form : linked_)
        form->TakeAppValues();
}

void TPAppSettings::save() {
    saveWithEvents(SaveLocation == palRegistry, SaveLocation != palRegistry);
}

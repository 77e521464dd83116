#pragma once

#include "settings/PSetting.h"

#include <QObject>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// A lookup by a name that no setting has.
class EPSettingsException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TPRootKeyType { prkCurrentUser, prkLocalMachine };

// The events of the containers. An Auto event comes with Continue set; clearing it
// cancels that registry save or restore. A User event is called once per setting when
// the values go to the program's own store.
using TPEvAutoSave = std::function<void(QObject* sender, bool& Continue)>;
using TPEvAutoRestore = std::function<void(QObject* sender, bool& Continue)>;
using TPEvUserSave = std::function<void(QObject* sender, TPSetting* setting)>;
using TPEvUserRestore = std::function<void(QObject* sender, TPSetting* setting)>;

// The common part of both containers: where in the registry their values live, the
// ordered list of settings and the events around every save and restore.
class TPSettings : public QObject {
    Q_OBJECT
public:
    using Notify = std::function<void(QObject* sender)>;

    ~TPSettings() override;

    const std::string& CompanyName() const { return company_; }
    const std::string& SoftwareName() const { return software_; }
    const std::string& SoftwareVersion() const { return version_; }
    TPRootKeyType RegistryRootKey() const { return root_; }
    virtual void SetCompanyName(const std::string& name) { company_ = name; }
    virtual void SetSoftwareName(const std::string& name) { software_ = name; }
    virtual void SetSoftwareVersion(const std::string& version) { version_ = version; }
    virtual void SetRegistryRootKey(TPRootKeyType root) { root_ = root; }
    bool SaveAll = true;

    TPEvUserSave OnUserSave;
    TPEvUserRestore OnUserRestore;
    Notify OnPreSave, OnPostSave, OnPreRestore, OnPostRestore;
    TPEvAutoSave OnAutoSave;
    TPEvAutoRestore OnAutoRestore;

    const std::vector<TPSetting*>& Settings() const { return settings_; }
    // The first setting whose Name is exactly name; raises "No such setting".
    TPSetting* SettingByName(const std::string& name) const;
    TPSetting* FindSetting(const std::string& name) const;

    virtual void UserSave() = 0;
    virtual void UserRestore() = 0;
    virtual std::string RegistryKeyPath() const = 0;
    virtual void SaveToRegistry() = 0;
    virtual void RestoreFromRegistry() = 0;

    // Run once the owner has finished loading; restores with the events.
    virtual void Loaded() = 0;

    // Where save errors that nobody could be asked about go (the settings save on the
    // way out of the program); the program shows them in its error box.
    static void SetErrorReporter(std::function<void(const std::string&)> reporter);
    static void ReportError(const std::string& message);

protected:
    explicit TPSettings(QObject* owner);
    // The prefix "Software\Company\Software\Version\" with empty levels left out.
    std::string basePath() const;
    // Registry save or restore with the Auto event; true when it ran.
    bool askAuto(const TPEvAutoSave& event);
    // The root key the registry is opened from.
    platform::RootKey rootKey() const;
    // The registry save in one batch; raises when a value or the store could not be
    // written.
    void saveInBatch();
    // A save or restore with its events around it: Pre, then the registry (when the Auto
    // event lets it) or the program's own store, then Post.
    void saveWithEvents(bool toRegistry, bool toUser);
    void restoreWithEvents(bool fromRegistry, bool fromUser);
    // Every listed setting's value under the container's key in the open registry.
    void saveListed(TPRegistry& registry, const std::string& path);
    void restoreListed(TPRegistry& registry, const std::string& path);
    void addSetting(TPSetting* setting) { settings_.push_back(setting); }

private:
    std::string company_;
    std::string software_;
    std::string version_;
    TPRootKeyType root_ = prkCurrentUser;
    std::vector<TPSetting*> settings_;
};

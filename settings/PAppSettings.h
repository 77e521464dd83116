#pragma once

#include "settings/PSettings.h"

#include <string>
#include <vector>

class TPFormSettings;

enum TPAppSaveLocType { palRegistry, palUser };

// Free-standing application values: restored when their window has loaded, saved when
// the container is destroyed.
class TPAppSettings : public TPSettings {
    Q_OBJECT
public:
    explicit TPAppSettings(QObject* owner);
    ~TPAppSettings() override;

    TPAppSaveLocType SaveLocation = palRegistry;

    // A new free-standing setting, owned by this container.
    TPSetting* AddSetting(const std::string& name, bool encrypted = false);

    void SetCompanyName(const std::string& name) override;
    void SetSoftwareName(const std::string& name) override;
    void SetSoftwareVersion(const std::string& version) override;
    void SetRegistryRootKey(TPRootKeyType root) override;

    void UserSave() override;
    void UserRestore() override;
    std::string RegistryKeyPath() const override;
    void SaveToRegistry() override;
    void RestoreFromRegistry() override;
    void Loaded() override;

    // Whether a container is still alive, for the form containers linked to it.
    static bool IsLive(const TPAppSettings* settings);
    const std::vector<TPFormSettings*>& Linked() const { return linked_; }

private:
    friend class TPFormSettings;
    void save();
    void passOn();

    std::vector<TPFormSettings*> linked_;
};

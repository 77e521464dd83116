#pragma once

#include "settings/PSetting.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class QAction;
class QWidget;

// A lookup by a name that no setting has.
class EPSettingsException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A form container on an owner that is not a window.
class EPFormSettingsException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TPRootKeyType { prkCurrentUser, prkLocalMachine };
enum TPFormSaveOpts : unsigned {
    pfsLeft = 1,
    pfsTop = 2,
    pfsWidth = 4,
    pfsHeight = 8,
    pfsState = 16
};
constexpr unsigned pfsAll = pfsLeft | pfsTop | pfsWidth | pfsHeight | pfsState;
enum TPSaveLocationType { pslRegistry, pslStream, pslStorage, pslUser };
enum TPAppSaveLocType { palRegistry, palUser };
enum TPMRUDisplayType { pmdFileOnly, pmdFullPath, pmdAbbPath };
enum TPMRUPlacement { pmpDescending, pmpBefore };

// The events of the containers. An Auto event comes with Continue set; clearing it
// cancels that registry save or restore. A User event is called once per setting when
// the values go to the program's own store.
using TPEvAutoSave = std::function<void(QObject* sender, bool& Continue)>;
using TPEvAutoRestore = std::function<void(QObject* sender, bool& Continue)>;
using TPEvUserSave = std::function<void(QObject* sender, TPSetting* setting)>;
using TPEvUserRestore = std::function<void(QObject* sender, TPSetting* setting)>;
using TPEvMRUClick =
    std::function<void(QObject* sender, QAction* item, const std::string& file, int index)>;
using TPEvSetFormKeyName = std::function<void(QObject* sender, std::string& name)>;

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
    void addSetting(TPSetting* setting) { settings_.push_back(setting); }

private:
    std::string company_;
    std::string software_;
    std::string version_;
    TPRootKeyType root_ = prkCurrentUser;
    std::vector<TPSetting*> settings_;
};

class TPFormSettings;

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

// The values of one window: its listed bound settings, its placement and a list of
// recently used files. Restored once the window has loaded; saved at the window's
// first close request, hiding or destruction, and again only after it was shown anew
// or the application was minimised.
class TPFormSettings : public TPSettings {
    Q_OBJECT
public:
    // Raises EPFormSettingsException when owner is not a window.
    explicit TPFormSettings(QObject* owner);
    ~TPFormSettings() override;

    unsigned FormSaveOpt = pfsAll;
    TPSaveLocationType SaveLocation = pslRegistry;
    TPMRUDisplayType MRUDisplay = pmdFullPath;
    TPMRUPlacement MRUPlacement = pmpDescending;
    bool MRUValidate = true;
    bool AddToRecentDocs = true;
    bool AutoRestartApp = false;
    TPEvMRUClick OnMRUClick;
    TPEvSetFormKeyName OnSetFormKeyName;

    // Setting and value entries as the window's stored configuration lists them; an
    // entry equal to an earlier one in all four values is dropped.
    TPSetting* AddSetting(const std::string& name, const std::string& boundProperty,
                          const std::string& relAppSetting = {}, bool encrypted = false);

    TPAppSettings* AppSettingsCtrl() const;
    void SetAppSettingsCtrl(TPAppSettings* settings);
    void SetCompanyName(const std::string& name) override;
    void SetSoftwareName(const std::string& name) override;
    void SetSoftwareVersion(const std::string& version) override;
    void SetRegistryRootKey(TPRootKeyType root) override;

    int MRULength() const { return mruLength_; }
    void SetMRULength(int length);
    int MRUMaxItemWidth() const { return mruMaxWidth_; }
    void SetMRUMaxItemWidth(int width);
    QAction* MRUMenuItem() const;
    void SetMRUMenuItem(QAction* item);
    int MRUCount() const { return static_cast<int>(mru_.size()); }
    const std::vector<std::string>& MRUList() const { return mru_; }
    // Rebuilds the menu (dropping files that no longer exist when MRUValidate is on).
    void RebuildMRU();

    // Set when the window is to be centred on the screen at the first start.
    void SetCentred(bool centred) { centred_ = centred; }
    QWidget* Window() const;
    std::string FormKeyName() const;

    void UserSave() override;
    void UserRestore() override;
    std::string RegistryKeyPath() const override;
    void SaveToRegistry() override;
    void RestoreFromRegistry() override;
    void Loaded() override;
    // The complete save with its events, as the window's close, hide or destruction
    // runs it.
    void Save();

    // The window is about to be destroyed: save if not yet done and stop watching.
    void WindowDestroyed();
    // Writes the request to start the program again after the session ends.
    void RequestRestart();

    // Pushes the linked application container's values into the settings that name
    // one.
    void TakeAppValues();

    // The one-save-per-close rule, visible for tests.
    bool SaveGuard() const { return saveGuard_; }
    static bool MainWindowSaved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TPAppSettings;
    struct Placement;
    Placement placementFromWindow();
    void applyPlacement(const Placement& p);
    std::string saveOnce();
    void watchEnd();
    void forward(QObject* watched, QEvent* event);
    bool isMainWindow() const;
    std::vector<std::unique_ptr<TPSetting>> placementSettings(const Placement* from);
    void readPlacement(Placement& p, const std::vector<std::unique_ptr<TPSetting>>& values);
    void clearMRUMenu();
    void noteFrameOffset();
    QRect normalFrameRect() const;

    QPointer<QWidget> window_;
    // The normal rectangle the last restore gave the window (frame top-left, client
    // size) and the window's own normal geometry just after it: while the latter is
    // unchanged, the former is what is saved, whatever the window's state.
    QRect restoredFrame_;
    QRect restoredNormal_;
    // How far the client area sits inside the frame, measured in the normal state only:
    // a maximised window's frame differs.
    QPoint normalFrameOffset_;
    bool frameOffsetKnown_ = false;
    QPointer<TPAppSettings> app_;
    QPointer<QAction> mruItem_;
    std::vector<std::string> mru_;
    int mruLength_ = 4;
    int mruMaxWidth_ = 200;
    bool loaded_ = false;
    bool saveGuard_ = false;
    bool centred_ = false;
    bool minimisedAtSave_ = false;
    bool watching_ = false;
    bool forwarding_ = false;
};

#pragma once

#include "settings/PSettings.h"

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
class TPAppSettings;

// A form container on an owner that is not a window.
class EPFormSettingsException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TPFormSaveOpts : unsigned {
    pfsLeft = 1,
    pfsTop = 2,
    pfsWidth = 4,
    pfsHeight = 8,
    pfsState = 16
};
constexpr unsigned pfsAll = pfsLeft | pfsTop | pfsWidth | pfsHeight | pfsState;
enum TPSaveLocationType { pslRegistry, pslStream, pslStorage, pslUser };
enum TPMRUDisplayType { pmdFileOnly, pmdFullPath, pmdAbbPath };
enum TPMRUPlacement { pmpDescending, pmpBefore };

using TPEvMRUClick =
    std::function<void(QObject* sender, QAction* item, const std::string& file, int index)>;
using TPEvSetFormKeyName = std::function<void(QObject* sender, std::string& name)>;

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

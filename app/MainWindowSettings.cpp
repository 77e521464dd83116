#include "app/MainWindowSettings.h"

#include "app/ErrorBox.h"
#include "app/GlobalData.h"
#include "platform/AppPaths.h"
#include "settings/PAppSettings.h"
#include "settings/PFormSettings.h"

#include <QMainWindow>

namespace {

// The registry location shared by both containers.
void configure(TPSettings& settings) {
    settings.SetCompanyName("Quillmere Software");
    settings.SetSoftwareName("Provendo");
    settings.SetSoftwareVersion("1.0");
    settings.SetRegistryRootKey(prkCurrentUser);
}

// What the window keeps, in the order it is saved and restored. The Baby and Cans
// headers are left out on purpose: their widths start as designed at every start.
constexpr const char* kBoundSettings[] = {
    "MainMenuToolsBalloons.Checked",
    "pcFoodMain.ActivePage",
    "hdrDairy.Sections",
    "hdrDrinks.Sections",
    "hdrFreezer.Sections",
    "hdrFruits.Sections",
    "hdrGrains.Sections",
    "hdrMeat.Sections",
    "hdrMisc.Sections",
    "hdrVeggies.Sections",
    "tsBaby.Caption",
    "tsCans.Caption",
    "tsDairy.Caption",
    "tsDrinks.Caption",
    "tsFreezer.Caption",
    "tsFruits.Caption",
    "tsGrains.Caption",
    "tsMeat.Caption",
    "tsMisc.Caption",
    "tsVegetables.Caption",
};

} // namespace

MainWindowSettings::MainWindowSettings(QMainWindow& window) : window_(window) {}

void MainWindowSettings::create(std::function<void()> afterRestore) {
    // Both containers save on the way out; one failing store is reported once.
    TPSettings::SetErrorReporter(
        [&window = window_, shown = std::string()](const std::string& message) mutable {
            if (message == shown)
                return;
            shown = message;
            ErrorBox::show(std::runtime_error(message), window.isVisible() ? &window : nullptr);
        });

    FormSettings = new TPFormSettings(&window_);
    FormSettings->setObjectName(QStringLiteral("FormSettings"));
    configure(*FormSettings);
    FormSettings->SaveLocation = pslRegistry;
    for (const char* path : kBoundSettings)
        FormSettings->AddSetting({}, path);

    AppSettings = new TPAppSettings(&window_);
    AppSettings->setObjectName(QStringLiteral("AppSettings"));
    configure(*AppSettings);
    AppSettings->SaveLocation = palRegistry;
    AppSettings->OnPostRestore = [afterRestore = std::move(afterRestore)](QObject*) {
        afterRestore();
    };
    AppSettings->AddSetting("gBalloonHints");
    AppSettings->AddSetting("gPath");

    // All components exist: link, then each container completes loading in turn.
    FormSettings->SetAppSettingsCtrl(AppSettings);
    try {
        FormSettings->Loaded();
    } catch (...) {
        // A value the window refused still lets the window open.
        ErrorBox::showCurrent(&window_);
    }
    try {
        AppSettings->Loaded();
    } catch (...) {
        ErrorBox::showCurrent(&window_);
    }
}

void MainWindowSettings::readProgramValues() {
    TPSetting* balloons = AppSettings->SettingByName("gBalloonHints");
    GlobalData::gBalloonHints = balloons->AsString().empty() || balloons->AsBoolean();
    const std::string path = AppSettings->SettingByName("gPath")->AsString();
    GlobalData::gPath =
        path.empty() ? platform::programFilePath(platform::ProgramFile::ListsFolder) : path;
}

void MainWindowSettings::storeBalloonHints() {
    AppSettings->SettingByName("gBalloonHints")->SetAsBoolean(GlobalData::gBalloonHints);
}

void MainWindowSettings::end() {
    // The end of the window's life in its order: the hide handler, the window's own
    // values (unless the close request saved them), the application values last.
    if (window_.isVisible())
        window_.hide();
    FormSettings->WindowDestroyed();
    delete AppSettings;
    AppSettings = nullptr;
    TPSettings::SetErrorReporter({});
}

#pragma once

#include <functional>

class QMainWindow;
class TPAppSettings;
class TPFormSettings;

// The main window's persisted settings: the window container (menu check, active page,
// header sections, page captions, placement) and the application container (the
// balloon-hint flag and the lists folder), both in the registry.
class MainWindowSettings {
public:
    explicit MainWindowSettings(QMainWindow& window);

    // Builds both containers and restores them; afterRestore runs once the application
    // values are read back.
    void create(std::function<void()> afterRestore);
    // Sets the balloon-hint flag and the lists folder from the application values.
    void readProgramValues();
    // The hide step: the balloon-hint flag into its setting.
    void storeBalloonHints();
    // Hide, then the window's save, then the application values.
    void end();

    TPFormSettings* form() const { return FormSettings; }
    TPAppSettings* app() const { return AppSettings; }

private:
    QMainWindow& window_;
    TPFormSettings* FormSettings = nullptr;
    TPAppSettings* AppSettings = nullptr;
};

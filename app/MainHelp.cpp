// The Help menu's commands of the main window.
#include "app/HelpAbout.h"
#include "app/HelpViewer.h"
#include "app/Main.h"
#include "app/Maker.h"
#include "app/ModalSeam.h"
#include "platform/AppPaths.h"
#include "platform/FileNames.h"
#include "platform/ShellOpen.h"

#include <QAction>

void TfrmMain::wireHelpCommands() {
    connect(Contents1, &QAction::triggered, this, &TfrmMain::Contents1Click);
    connect(MainMenuHelpHomePage, &QAction::triggered, this, &TfrmMain::MainMenuHelpHomePageClick);
    connect(About1, &QAction::triggered, this, &TfrmMain::About1Click);
}

void TfrmMain::Contents1Click() {
    // The viewer itself reports a missing help file.
    HelpViewer& viewer = HelpViewer::application();
    viewer.setHelpFile(platform::qtPath(platform::helpFilePath()));
    viewer.command(HelpViewer::HelpFinder, 0, this);
}

void TfrmMain::MainMenuHelpHomePageClick() {
    // Nothing to say when no browser takes it.
    platform::shell().open(Maker::website(), {});
}

void TfrmMain::About1Click() {
    TfrmHelpAbout box(this);
    ModalSeam::execDialog(box);
}

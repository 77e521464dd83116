// The program's start: its command line, the names the desktop knows it by, and the
// list named on the command line.
#include "app/ProgramStart.h"
#include "app/CommandLine.h"
#include "app/GlobalData.h"
#include "app/Main.h"
#include "app/ModalSeam.h"
#include "platform/AppPaths.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CommandLine, takesOneFileAndAnswersHelpAndVersionBeforeAnythingElse) {
    EXPECT_EQ(CommandLine::parse({}).action, CommandLine::Run);
    EXPECT_EQ(CommandLine::parse({}).file, "");
    const CommandLine file = CommandLine::parse({"week.slf"});
    EXPECT_EQ(file.action, CommandLine::Run);
    EXPECT_EQ(file.file, "week.slf");
    EXPECT_EQ(CommandLine::parse({"week.slf", "--version"}).action, CommandLine::ShowVersion);
    EXPECT_EQ(CommandLine::parse({"-h"}).action, CommandLine::ShowHelp);
    EXPECT_EQ(CommandLine::parse({"--", "--help"}).file, "--help") << "after -- a name is a file";
    EXPECT_EQ(CommandLine::parse({"-"}).file, "-");
}

TEST(CommandLine, refusesUnknownOptionsAndASecondFile) {
    const CommandLine unknown = CommandLine::parse({"--frobnicate"});
    EXPECT_EQ(unknown.action, CommandLine::Refuse);
    EXPECT_NE(unknown.error.find("--frobnicate"), std::string::npos);
    EXPECT_EQ(CommandLine::parse({"a.slf", "b.slf"}).action, CommandLine::Refuse);
    EXPECT_NE(commandLineUsage("provendo").find("Usage: provendo [FILE]"), std::string::npos);
    EXPECT_EQ(commandLineVersion(), "Provendo 1.1.0.2\n");
}

TEST(ProgramNames, desktopFileNameIsTheApplicationIdAndTitlesGetNothingAppended) {
    ProgramStart::nameApplication();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "example.quillmere.Provendo");
    EXPECT_EQ(QGuiApplication::applicationName(), "Provendo");
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
    // A display name of its own would be appended to every window title by the window
    // system; left unset, it follows the application name.
    QGuiApplication::setApplicationName(QStringLiteral("Renamed"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Renamed");
    QGuiApplication::setApplicationName(QStringLiteral("Provendo"));
}

namespace {

class OpenAtStart : public testing::Test {
protected:
    void SetUp() override {
        ModalSeam::clear();
        GlobalData::gCurrentFile.clear();
        window = std::make_unique<TfrmMain>();
    }
    void TearDown() override { ModalSeam::clear(); }

    TempAppDir dir;
    std::unique_ptr<TfrmMain> window;
};

} // namespace

TEST_F(OpenAtStart, aListOnTheCommandLineOpensAsFileOpenWould) {
    writeBytes(dir.file("week.slf"), "//Milk things\r\nMilk\t2\r\n//Meat\r\nSteak\t1\r\n");
    const QString relative = QStringLiteral("week.slf");
    const QString old = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path()));
    window->openListFileAtStart(relative);
    QDir::setCurrent(old);

    EXPECT_TRUE(ModalSeam::history().empty());
    EXPECT_EQ(window->document().list(0).text(1), "Milk\t2");
    EXPECT_EQ(window->document().list(1).text(1), "Steak\t1");
    EXPECT_EQ(GlobalData::gCurrentFile, dir.file("week.slf")) << "the full path, as Open keeps";
    EXPECT_EQ(window->findChild<QLabel*>("spFile")->text().toStdString(), dir.file("week.slf"));
    EXPECT_TRUE(window->findChild<QAction*>("MainMenuFileSaveAs")->isEnabled());
    EXPECT_FALSE(window->document().modified());
}

TEST_F(OpenAtStart, aMissingListShowsTheErrorAndTheWindowKeepsItsStart) {
    ModalSeam::pushButton(QMessageBox::Ok);
    window->openListFileAtStart(QString::fromStdString(dir.file("gone.slf")));
    ASSERT_EQ(ModalSeam::history().size(), 1u);
    const ModalSeam::Request& box = ModalSeam::history().front();
    EXPECT_EQ(box.caption, "Provendo");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Cannot open file \"%1\".")
                                        .arg(QString::fromStdString(dir.file("gone.slf")))))
        << box.text.toStdString();
    EXPECT_EQ(window->document().list(0).count(), 1u);
    EXPECT_EQ(GlobalData::gCurrentFile, "");
    EXPECT_FALSE(window->findChild<QAction*>("MainMenuFileSaveAs")->isEnabled());
}

// A program folder the user may not write: the window keeps its files in the user's
// folders and writes nothing beside the program.
TEST(ProgramFolderNotWritable, categoryNamesAndListsFolderGoToTheUsersFolders) {
    TempAppDir dir;
    QTemporaryDir home;
    const std::string user = home.path().toStdString() + "/";
    platform::setUserFoldersForTesting({user + "data/", user + "cache/", user + "Documents/"});
    platform::setFolderWritableCheckForTesting([](const std::string&) { return false; });
    GlobalData::gPath.clear();
    {
        TfrmMain window;
        EXPECT_EQ(GlobalData::gPath, user + "Documents/Shopping Lists");
        window.document().list(0).assign({"//Milk things"});
        window.show();
        window.hide();
    }
    platform::setFolderWritableCheckForTesting({});
    platform::setUserFoldersForTesting({});
    EXPECT_EQ(readBytes(user + "data/provendo/Defaults.slf").substr(0, 23),
              "//Milk things\r\n//Meat\r\n");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir.file("Defaults.slf"))));
}

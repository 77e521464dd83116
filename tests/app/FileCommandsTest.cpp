#include "app/GlobalData.h"
#include "app/Main.h"
#include "app/ModalSeam.h"
#include "controls/CheckListBox.h"
#include "controls/HeaderControl.h"
#include "controls/NotesMemo.h"
#include "controls/PageControl.h"
#include "platform/Errors.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QToolButton>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string ElevenLines =
    "//Dairy\r\nMilk\t2\r\n//Meat\r\n//Vegetables\r\n//Fruits\r\n"
    "//Grains\r\n//Cans\r\n//Drinks\r\n//Freezer\r\n//Baby\r\n//Misc\r\n";

// The real window with every dialog and question answered by the test.
class FileCommands : public testing::Test {
protected:
    void SetUp() override {
        ModalSeam::clear();
        GlobalData::gCurrentFile.clear();
        window = std::make_unique<TfrmMain>();
        GlobalData::gPath = dir.path() + "stored";
    }
    void TearDown() override {
        EXPECT_FALSE(ModalSeam::hasPending()) << "an answer was never asked for";
        ModalSeam::clear();
    }

    model::CategoryList& list(int c) { return window->document().list(c); }
    bool modified() { return window->document().modified(); }
    bool saveEnabled() {
        const bool menu = window->findChild<QAction*>("MainMenuFileSave")->isEnabled();
        EXPECT_EQ(window->findChild<QToolButton*>("BtnSave")->isEnabled(), menu);
        return menu;
    }
    bool saveAsEnabled() { return window->findChild<QAction*>("MainMenuFileSaveAs")->isEnabled(); }
    QString status() { return window->findChild<QLabel*>("spFile")->text(); }
    QString caption(int page) {
        return static_cast<controls::TabSheet*>(window->pageControl()->widget(page))->caption();
    }
    // Answers the next file dialog with a path, after checking which dialog asked.
    void answerFileDialog(const char* dialogName, const std::string& path,
                          QString* folderSeen = nullptr) {
        ModalSeam::push([=](const ModalSeam::Request& request) {
            EXPECT_EQ(request.dialog->objectName(), dialogName);
            if (folderSeen)
                *folderSeen = static_cast<QFileDialog*>(request.dialog)->directory().absolutePath();
            return ModalSeam::Answer{0, QString::fromStdString(path)};
        });
    }
    int questionsAsked(const QString& text) {
        int count = 0;
        for (const ModalSeam::Request& r : ModalSeam::history())
            count += r.kind == ModalSeam::Request::Message && r.text == text;
        return count;
    }

    TempAppDir dir;
    std::unique_ptr<TfrmMain> window;
};

} // namespace

TEST_F(FileCommands, saveAsWritesTheFileAndShowsItsPath) {
    list(0).append("Milk\t2");
    window->setModified();
    const std::string path = dir.file("my list.slf");
    answerFileDialog("dlgSave", path);
    window->MainMenuFileSaveAsClick();
    EXPECT_EQ(readBytes(path), ElevenLines);
    EXPECT_EQ(GlobalData::gCurrentFile, path);
    EXPECT_FALSE(modified());
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(status(), QString::fromStdString(path));
    EXPECT_FALSE(saveAsEnabled());
    EXPECT_EQ(ModalSeam::history().front().caption, "Save File");
}

TEST_F(FileCommands, saveAsksForAPathOnlyWithoutACurrentFileAndLeavesTheStatusPane) {
    list(0).append("Milk\t2");
    window->setModified();
    const std::string path = dir.file("first.slf");
    std::filesystem::create_directory(dir.path() + "stored");
    QString folder;
    answerFileDialog("dlgSave", path, &folder);
    window->MainMenuFileSaveClick();
    EXPECT_EQ(folder.toStdString() + "/", dir.path() + "stored/");
    EXPECT_EQ(GlobalData::gCurrentFile, path);
    EXPECT_EQ(status(), "");
    EXPECT_FALSE(saveEnabled());

    list(0).append("Eggs\t12");
    window->setModified();
    window->MainMenuFileSaveClick();
    EXPECT_EQ(ModalSeam::history().size(), 1u);
    EXPECT_NE(readBytes(path).find("Eggs\t12\r\n"), std::string::npos);
}

TEST_F(FileCommands, cancelledOrFailedSaveChangesNothing) {
    window->setModified();
    answerFileDialog("dlgSave", "");
    window->MainMenuFileSaveClick();
    EXPECT_TRUE(modified());

    const std::string path = dir.file("locked.slf");
    writeBytes(path, "old\r\n");
    ::chmod(path.c_str(), 0444);
    answerFileDialog("dlgSave", path);
    EXPECT_THROW(window->MainMenuFileSaveAsClick(), std::exception);
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_TRUE(modified());
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(GlobalData::gCurrentFile, "");
    EXPECT_EQ(status(), "");
}

TEST_F(FileCommands, openRebuildsThePagesAndTakesTheFileAsSaved) {
    const std::string path = dir.file("week.slf");
    writeBytes(path, "//  Milk things  \nMilk\t2\n//Meat\nSteak\t1\n");
    list(2).append("Leeks\t1");
    list(0).setTicked(0, true);
    answerFileDialog("dlgOpen", path);
    window->MainMenuFileOpenClick();
    EXPECT_EQ(list(0).lines().size(), 2u);
    EXPECT_EQ(list(0).text(0), "//  Milk things  ");
    EXPECT_FALSE(list(0).ticked(0));
    EXPECT_EQ(caption(0), "Milk things");
    EXPECT_EQ(list(1).text(1), "Steak\t1");
    EXPECT_EQ(list(2).count(), 2u) << "pages without a group keep their lines";
    EXPECT_EQ(GlobalData::gCurrentFile, path);
    EXPECT_EQ(status(), QString::fromStdString(path));
    EXPECT_TRUE(saveAsEnabled());
    EXPECT_FALSE(modified());
    EXPECT_EQ(GlobalData::gPath, dir.path() + "stored");
}

TEST_F(FileCommands, openWithoutAListsFolderStartsInTheListsFolderBesideTheProgram) {
    GlobalData::gPath.clear();
    answerFileDialog("dlgOpen", "");
    window->MainMenuFileOpenClick();
    EXPECT_EQ(GlobalData::gPath, dir.path() + "Lists");
    EXPECT_EQ(ModalSeam::history().front().caption, "Open File");
}

TEST_F(FileCommands, anElevenGroupFileRenamesTheNotesPageOnly) {
    std::string bytes;
    for (int i = 0; i < 11; ++i)
        bytes += "//Group " + std::to_string(i) + "\r\nitem\t1\r\n";
    const std::string path = dir.file("eleven.slf");
    writeBytes(path, bytes);
    window->notes()->setPlainText("keep me");
    answerFileDialog("dlgOpen", path);
    window->MainMenuFileOpenClick();
    EXPECT_EQ(caption(10), "Group 10");
    EXPECT_EQ(caption(9), "Group 9");
    EXPECT_EQ(window->notes()->toPlainText(), "keep me");
}

TEST_F(FileCommands, aFileThatCannotBeReadOrHasTwelveGroupsChangesNothing) {
    list(0).append("Milk\t2");
    const std::string twelve = dir.file("twelve.slf");
    std::string bytes;
    for (int i = 0; i < 12; ++i)
        bytes += "//G" + std::to_string(i) + "\r\n";
    writeBytes(twelve, bytes);
    for (const std::string& path : {twelve, dir.file("vanished.slf")}) {
        answerFileDialog("dlgOpen", path);
        EXPECT_THROW(window->MainMenuFileOpenClick(), std::exception) << path;
        EXPECT_EQ(list(0).count(), 2u);
        EXPECT_EQ(caption(0), "Dairy");
        EXPECT_EQ(GlobalData::gCurrentFile, "");
        EXPECT_EQ(status(), "");
        EXPECT_FALSE(saveAsEnabled());
    }
}

TEST_F(FileCommands, openOffersToSaveUnsavedChangesFirst) {
    const std::string saved = dir.file("saved.slf");
    GlobalData::gCurrentFile = saved;
    list(0).append("Milk\t2");
    window->setModified();
    const std::string other = dir.file("other.slf");
    writeBytes(other, "//Dairy\r\n");
    ModalSeam::pushButton(QMessageBox::Yes);
    answerFileDialog("dlgOpen", other);
    window->MainMenuFileOpenClick();
    EXPECT_EQ(questionsAsked("Save changes"), 1);
    EXPECT_EQ(readBytes(saved).substr(0, 17), "//Dairy\r\nMilk\t2\r\n");
    EXPECT_EQ(list(0).count(), 1u);
}

TEST_F(FileCommands, newKeepsMarkerLinesAndLeavesTheListModified) {
    list(0).append("Milk\t2");
    list(0).append("see www.shop.com//milk\t1");
    list(0).setTicked(2, true);
    GlobalData::gCurrentFile = dir.file("x.slf");
    window->notes()->setPlainText("Gas up");
    window->MainMenuFileNewClick();
    EXPECT_EQ(questionsAsked("Save changes"), 0);
    ASSERT_EQ(list(0).count(), 2u);
    EXPECT_EQ(list(0).text(1), "see www.shop.com//milk\t1");
    EXPECT_TRUE(list(0).ticked(1));
    EXPECT_TRUE(modified());
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(GlobalData::gCurrentFile, "");
    EXPECT_EQ(GlobalData::gPath, "");
    EXPECT_EQ(window->notes()->toPlainText(), "Gas up");
}

TEST_F(FileCommands, closeAsksWhenModifiedAndGoesOnAfterACancelledSave) {
    list(3).append("Pears\t3");
    window->setModified();
    ModalSeam::pushButton(QMessageBox::Yes);
    answerFileDialog("dlgSave", "");
    window->MainMenuFileCloseClick();
    EXPECT_EQ(questionsAsked("Save changes"), 1);
    EXPECT_EQ(ModalSeam::history().front().caption, "Confirm");
    EXPECT_EQ(list(3).count(), 1u);
    EXPECT_FALSE(modified());
    EXPECT_FALSE(saveEnabled());
}

TEST_F(FileCommands, newStopsWhenItsSaveFails) {
    const std::string path = dir.file("locked.slf");
    writeBytes(path, "old\r\n");
    ::chmod(path.c_str(), 0444);
    GlobalData::gCurrentFile = path;
    list(0).append("Milk\t2");
    window->setModified();
    ModalSeam::pushButton(QMessageBox::Yes);
    EXPECT_THROW(window->MainMenuFileNewClick(), std::exception);
    EXPECT_EQ(list(0).count(), 2u);
    EXPECT_EQ(GlobalData::gCurrentFile, path);
}

TEST_F(FileCommands, closeQueryYesSavesAndKeepsTheWindowOpenNoCloses) {
    const std::string path = dir.file("list.slf");
    GlobalData::gCurrentFile = path;
    window->show();
    list(0).append("Milk\t2");
    window->setModified();
    ModalSeam::pushButton(QMessageBox::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(questionsAsked("Save changes?"), 1);
    EXPECT_EQ(ModalSeam::history().back().icon, QMessageBox::Question);
    EXPECT_EQ(readBytes(path), ElevenLines);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(questionsAsked("Save changes?"), 1);

    window->show();
    window->setModified();
    ModalSeam::pushButton(QMessageBox::No);
    EXPECT_TRUE(window->close());
}

TEST_F(FileCommands, closingTheWindowWritesTheCategoryNamesAndTheNextStartReadsThem) {
    window->show();
    list(4).replaceText(0, "//Bakery");
    list(4).append("Rolls\t6");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(readBytes(dir.file("Defaults.slf")),
              "//Dairy\r\n//Meat\r\n//Vegetables\r\n//Fruits\r\n//Bakery\r\n//Cans\r\n"
              "//Drinks\r\n//Freezer\r\n//Baby\r\n//Misc\r\n");

    TfrmMain next;
    EXPECT_EQ(next.document().list(4).count(), 1u);
    EXPECT_EQ(next.document().list(4).text(0), "//Bakery");
}

TEST_F(FileCommands, aBadCategoryNamesFileIsReportedAndStartUpGoesOn) {
    std::string lines;
    for (int i = 0; i < 12; ++i)
        lines += "//N" + std::to_string(i) + "\r\n";
    writeBytes(dir.file("Defaults.slf"), lines);
    ModalSeam::pushButton(QMessageBox::Ok);
    TfrmMain next;
    ASSERT_EQ(ModalSeam::history().size(), 1u);
    EXPECT_EQ(ModalSeam::history().front().text, "List index out of bounds (11)");
    EXPECT_EQ(next.document().list(9).text(0), "//N9");
}

TEST_F(FileCommands, openingWhatIsNoListGivesOneErrorAndKeepsTheListInHand) {
    const std::string saved = dir.file("saved.slf");
    GlobalData::gCurrentFile = saved;
    list(0).append("Milk\t2");
    window->setModified();
    const NamedPipe pipe(dir.file("pipe.slf"));
    const LocalSocket socket(dir.file("socket.slf"));
    ASSERT_TRUE(pipe.made() && socket.made());
    std::filesystem::create_symlink("/dev/null", dir.file("device.slf"));
    std::filesystem::create_symlink(dir.file("gone.slf"), dir.file("dangling.slf"));
    std::filesystem::create_directory(dir.file("folder.slf"));
    for (const char* name :
         {"pipe.slf", "socket.slf", "device.slf", "dangling.slf", "folder.slf"}) {
        ModalSeam::pushButton(QMessageBox::No);
        answerFileDialog("dlgOpen", dir.file(name));
        const auto started = std::chrono::steady_clock::now();
        try {
            window->MainMenuFileOpenClick();
            ADD_FAILURE() << name << " was opened";
        } catch (const platform::EFileError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"" + dir.file(name), 0),
                      0u)
                << error.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2)) << name;
        EXPECT_EQ(list(0).count(), 2u) << name;
        EXPECT_TRUE(modified()) << name;
        EXPECT_EQ(GlobalData::gCurrentFile, saved) << name;
    }
}

TEST_F(FileCommands, aPipeInPlaceOfTheCategoryNamesFileIsReportedAndStartUpGoesOn) {
    const NamedPipe pipe(dir.file("Defaults.slf"));
    ASSERT_TRUE(pipe.made());
    ModalSeam::pushButton(QMessageBox::Ok);
    const auto started = std::chrono::steady_clock::now();
    TfrmMain next;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    ASSERT_EQ(ModalSeam::history().size(), 1u);
    EXPECT_EQ(ModalSeam::history().front().text,
              "Cannot open file \"" + QString::fromStdString(dir.file("Defaults.slf")) +
                  "\". It is a named pipe, not a file.");
    EXPECT_EQ(next.document().list(0).text(0), "//Dairy");
}

// The file commands over a document, with the user's answers given in advance and real
// files in a temporary folder.
#include "files/FileCommands.h"
#include "model/ListError.h"
#include "platform/Errors.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <deque>
#include <gtest/gtest.h>

namespace {

using files::SaveQuestion;

// Answers from queues and writes down, in order, everything the commands asked or showed.
class FakeUser : public files::FileCommandsUser {
public:
    std::deque<bool> answers;
    std::deque<std::string> paths;
    std::vector<std::string> seen;

    bool askToSave(SaveQuestion question) override {
        seen.push_back(question == SaveQuestion::BeforeClosing ? "ask close" : "ask replace");
        return next(answers);
    }
    std::string chooseFileToOpen(const std::string& folder) override {
        seen.push_back("open dialog in " + folder);
        return next(paths);
    }
    void setSaveFolder(const std::string& folder) override {
        seen.push_back("save folder " + folder);
    }
    std::string chooseFileToSave() override {
        seen.push_back("save dialog");
        return next(paths);
    }
    void showPath(const std::string& path) override { seen.push_back("show " + path); }
    void loadGroups(const files::ListGroups& groups) override {
        seen.push_back("load " + std::to_string(groups.size()));
        for (std::size_t k = 0; k < groups.size() && k < model::CategoryCount; ++k)
            files::assignGroup(document->list(static_cast<int>(k)), groups[k]);
    }
    void fileOpened() override { seen.push_back("opened"); }

    model::Document* document = nullptr;

private:
    template <class T> static T next(std::deque<T>& queue) {
        EXPECT_FALSE(queue.empty()) << "asked more than the test answered";
        if (queue.empty())
            return T{};
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

class FileCommandSequences : public testing::Test {
protected:
    FileCommandSequences() { user.document = &document; }
    void TearDown() override {
        EXPECT_TRUE(user.answers.empty() && user.paths.empty()) << "an answer was never asked for";
    }
    void addMilk() {
        document.list(0).append("Milk\t2");
        document.setModified();
    }
    std::vector<std::string> seen(std::initializer_list<std::string> events) { return events; }

    TempAppDir dir;
    model::Document document;
    std::string currentFile;
    std::string listsFolder = dir.path() + "stored";
    FakeUser user;
    files::FileCommands commands{document, {currentFile, listsFolder}, user};
};

} // namespace

TEST_F(FileCommandSequences, newAndCloseSaveOnYesDiscardOnNoAndKeepOnlyLinesWithSlashes) {
    const std::string path = dir.file("week.slf");
    currentFile = path;
    addMilk();
    document.list(1).append("half // half\t1");
    user.answers = {true};
    commands.newList();
    EXPECT_NE(readBytes(path).find("Milk\t2\r\n"), std::string::npos);
    EXPECT_EQ(document.list(0).count(), 1u);
    EXPECT_EQ(document.list(1).text(1), "half // half\t1");
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(currentFile, "");
    EXPECT_EQ(listsFolder, "");
    EXPECT_EQ(user.seen, seen({"ask replace", "save folder " + dir.path() + "stored", "show "}));

    user.seen.clear();
    document.list(0).append("Eggs\t12");
    user.answers = {false};
    commands.close();
    EXPECT_EQ(readBytes(path).find("Eggs"), std::string::npos);
    EXPECT_EQ(document.list(0).count(), 1u);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(user.seen, seen({"ask replace", "show "}));

    user.seen.clear();
    commands.close();
    EXPECT_EQ(user.seen, seen({"show "})) << "nothing to save, nothing asked";
}

TEST_F(FileCommandSequences, cancelledDialogsChangeNothing) {
    addMilk();
    user.paths = {"", ""};
    commands.save();
    commands.saveAs();
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(currentFile, "");
    // Save gives its dialog the lists folder; Save As keeps what the dialog had.
    EXPECT_EQ(user.seen, seen({"save folder " + listsFolder, "save dialog", "save dialog"}));

    user.seen.clear();
    user.answers = {false};
    user.paths = {""};
    commands.open();
    EXPECT_EQ(user.seen, seen({"ask replace", "open dialog in " + listsFolder}));
    EXPECT_EQ(document.list(0).count(), 2u);
    EXPECT_EQ(currentFile, "");
    EXPECT_TRUE(document.modified());
}

TEST_F(FileCommandSequences, theCurrentFileIsSetOnlyOnceTheListIsWritten) {
    addMilk();
    const std::string unwritable = dir.file("no such folder/list.slf");
    user.paths = {unwritable, unwritable};
    EXPECT_THROW(commands.save(), platform::EFileError);
    EXPECT_THROW(commands.saveAs(), platform::EFileError);
    EXPECT_EQ(currentFile, "");
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(std::count(user.seen.begin(), user.seen.end(), "show " + unwritable), 0);

    const std::string path = dir.file("list.slf");
    user.paths = {path};
    commands.saveAs();
    EXPECT_EQ(currentFile, path);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(user.seen.back(), "show " + path);
    EXPECT_EQ(readBytes(path).substr(0, 15), "//Dairy\r\nMilk\t2");
}

TEST_F(FileCommandSequences, openReadsTheWholeFileBeforeItChangesAnything) {
    addMilk();
    listsFolder.clear();
    const std::string good = dir.file("good.slf");
    writeBytes(good, "//Dairy\r\nBread\t1\r\n//Meat\r\n");
    user.answers = {false};
    user.paths = {good};
    commands.open();
    EXPECT_EQ(listsFolder, dir.path() + "Lists");
    EXPECT_EQ(user.seen, seen({"ask replace", "open dialog in " + dir.path() + "Lists", "load 2",
                               "show " + good, "opened"}));
    EXPECT_EQ(document.list(0).text(1), "Bread\t1");
    EXPECT_EQ(currentFile, good);
    EXPECT_FALSE(document.modified());

    document.setModified();
    user.seen.clear();
    std::string twelveGroups;
    for (int k = 0; k < 12; ++k)
        twelveGroups += "//" + std::to_string(k) + "\r\n";
    writeBytes(dir.file("twelve.slf"), twelveGroups);
    EXPECT_THROW(commands.openFile(dir.file("missing.slf")), platform::EFileError);
    EXPECT_THROW(commands.openFile(dir.file("twelve.slf")), model::EListError);
    EXPECT_TRUE(user.seen.empty()) << "no page, path or Save As changes";
    EXPECT_EQ(document.list(0).text(1), "Bread\t1");
    EXPECT_EQ(currentFile, good);
    EXPECT_TRUE(document.modified());
}

TEST_F(FileCommandSequences, closeQueryYesKeepsTheWindowOpenUntilTheSaveSucceeded) {
    bool canClose = true;
    commands.closeQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(user.seen.empty());

    addMilk();
    user.answers = {true};
    user.paths = {""};
    commands.closeQuery(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_TRUE(document.modified()) << "the save was cancelled: the next close asks again";

    canClose = true;
    user.answers = {true};
    user.paths = {dir.file("kept.slf")};
    commands.closeQuery(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(currentFile, dir.file("kept.slf"));

    document.setModified();
    canClose = true;
    user.seen.clear();
    user.answers = {false};
    commands.closeQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(user.seen, seen({"ask close"}));
}

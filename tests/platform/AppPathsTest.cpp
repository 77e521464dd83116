// Where the program keeps its own files: beside itself in a folder of its own, in the
// user's folders when installed or when its folder cannot be written.
#include "platform/AppPaths.h"

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using platform::ProgramFile;

namespace {

bool alwaysWritable(const std::string&) {
    return true;
}

class ProgramFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        user = {at("home/data/"), at("home/cache/"), at("home/Documents/")};
        platform::setUserFoldersForTesting(user);
        platform::setFolderWritableCheckForTesting(alwaysWritable);
    }
    void TearDown() override {
        platform::setExecutableFolderForTesting({});
        platform::setFolderWritableCheckForTesting({});
        platform::setUserFoldersForTesting({});
    }
    std::string at(const std::string& relative) const {
        return root.path().toStdString() + "/" + relative;
    }
    // An installed prefix: bin/ for the program, share/provendo/ for what it reads.
    std::string makePrefix() const {
        fs::create_directories(at("usr/bin"));
        fs::create_directories(at("usr/share/provendo/Help"));
        return at("usr/bin/");
    }

    QTemporaryDir root;
    platform::UserFolders user;
};

} // namespace

TEST_F(ProgramFiles, aWritableFolderOfItsOwnKeepsEverythingBesideTheProgram) {
    fs::create_directories(at("build/bin"));
    const std::string folder = at("build/bin/");
    const auto where = platform::locateProgramFiles(folder, user, alwaysWritable);
    EXPECT_FALSE(where.perUser);
    EXPECT_EQ(where.categoryNames, folder + "Defaults.slf");
    EXPECT_EQ(where.shoppingText, folder + "ShoppingList.txt");
    EXPECT_EQ(where.listsFolder, folder + "Lists");
}

TEST_F(ProgramFiles, anInstalledPrefixUsesTheUsersFoldersEvenWhenItsBinIsWritable) {
    const std::string folder = makePrefix();
    const auto where = platform::locateProgramFiles(folder, user, alwaysWritable);
    EXPECT_TRUE(where.perUser);
    EXPECT_EQ(where.categoryNames, user.data + "provendo/Defaults.slf");
    EXPECT_EQ(where.shoppingText, user.cache + "provendo/ShoppingList.txt");
    EXPECT_EQ(where.listsFolder, user.documents + "Shopping Lists");
}

TEST_F(ProgramFiles, aFolderTheUserCannotWriteUsesTheUsersFolders) {
    fs::create_directories(at("opt/provendo"));
    const std::string folder = at("opt/provendo/");
    std::string asked;
    const auto where = platform::locateProgramFiles(folder, user, [&](const std::string& f) {
        asked = f;
        return false;
    });
    EXPECT_EQ(asked, folder);
    EXPECT_TRUE(where.perUser);
    EXPECT_EQ(where.categoryNames, user.data + "provendo/Defaults.slf");
}

TEST_F(ProgramFiles, onlyABinFolderBesideShareProvendoCountsAsInstalled) {
    fs::create_directories(at("a/bin"));
    fs::create_directories(at("a/share/other"));
    EXPECT_FALSE(platform::isInstalledLayout(at("a/bin/")));
    fs::create_directories(at("b/tools"));
    fs::create_directories(at("b/share/provendo"));
    EXPECT_FALSE(platform::isInstalledLayout(at("b/tools/")));
    EXPECT_TRUE(platform::isInstalledLayout(makePrefix()));
}

TEST_F(ProgramFiles, writingMakesThePerUserFoldersTheCacheOnePrivate) {
    platform::setExecutableFolderForTesting(makePrefix());
    EXPECT_FALSE(fs::exists(user.data + "provendo"));
    EXPECT_EQ(platform::programFilePath(ProgramFile::CategoryNames),
              user.data + "provendo/Defaults.slf");
    EXPECT_FALSE(fs::exists(user.data + "provendo")) << "reading makes nothing";

    platform::programFilePathForWriting(ProgramFile::CategoryNames);
    EXPECT_TRUE(fs::is_directory(user.data + "provendo"));

    fs::create_directories(user.cache + "provendo");
    ::chmod((user.cache + "provendo").c_str(), 0755);
    platform::programFilePathForWriting(ProgramFile::ShoppingText);
    struct stat info {};
    ASSERT_EQ(::stat((user.cache + "provendo").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    platform::programFilePathForWriting(ProgramFile::ListsFolder);
    EXPECT_TRUE(fs::is_directory(user.documents + "Shopping Lists"));
}

TEST_F(ProgramFiles, writingBesideTheProgramMakesNoFolder) {
    fs::create_directories(at("portable"));
    platform::setExecutableFolderForTesting(at("portable/"));
    EXPECT_EQ(platform::programFilePathForWriting(ProgramFile::ListsFolder), at("portable/Lists"));
    EXPECT_EQ(platform::programFilePathForWriting(ProgramFile::ShoppingText),
              at("portable/ShoppingList.txt"));
    EXPECT_FALSE(fs::exists(at("portable/Lists")));
    EXPECT_FALSE(fs::exists(user.data));
}

TEST_F(ProgramFiles, theGuideIsReadBesideTheProgramFirstThenFromShare) {
    const std::string bin = makePrefix();
    platform::setExecutableFolderForTesting(bin);
    EXPECT_EQ(platform::helpFilePath(), bin + "Help/PROVENDO.hlp") << "neither: the path beside";

    const std::string shared = at("usr/share/provendo/Help/PROVENDO.hlp");
    { std::ofstream(shared) << "guide"; }
    EXPECT_EQ(fs::path(platform::helpFilePath()), fs::canonical(shared));

    fs::create_directories(bin + "Help");
    { std::ofstream(bin + "Help/PROVENDO.hlp") << "guide"; }
    EXPECT_EQ(platform::helpFilePath(), bin + "Help/PROVENDO.hlp");
}

#include "platform/ReplaceFile.h"
#include "platform/Errors.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

int fileCount(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

std::string saveError(const std::string& path, const std::string& bytes) {
    try {
        platform::replaceFile(path, bytes);
    } catch (const platform::EFileError& error) {
        return error.what();
    }
    return {};
}

struct stat statOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

// Another user for files and links, as only the superuser can make them.
constexpr uid_t Stranger = 4242;
constexpr gid_t StrangersGroup = 4343;

} // namespace

TEST(ReplaceFileTest, writesNewFileAndReplacesOldOneLeavingNoTemporary) {
    TempAppDir dir;
    const std::string path = dir.file("list.slf");
    platform::replaceFile(path, std::string("a\0b\r\n", 5));
    EXPECT_EQ(readBytes(path), std::string("a\0b\r\n", 5));
    platform::replaceFile(path, "second");
    EXPECT_EQ(readBytes(path), "second");
    platform::replaceFile(path, "");
    EXPECT_EQ(readBytes(path), "");
    EXPECT_EQ(fileCount(dir.path()), 1);
}

TEST(ReplaceFileTest, failureNamesTheFileAndLeavesTheOldOneByteIdentical) {
    TempAppDir dir;
    const std::string path = dir.file("kept.slf");
    writeBytes(path, "old contents\r\n");
    ::chmod(path.c_str(), 0444);
    try {
        platform::replaceFile(path, "new");
        FAIL() << "a read-only file was replaced";
    } catch (const platform::EFileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create file \"" + path + "\". Permission denied");
    }
    EXPECT_EQ(readBytes(path), "old contents\r\n");
    EXPECT_EQ(fileCount(dir.path()), 1);

    const std::string missing = dir.file("no such folder/x.slf");
    EXPECT_EQ(platform::tryReplaceFile(missing, "x"), "No such file or directory");
}

TEST(ReplaceFileTest, keepsPermissionsAndWritesThroughLinks) {
    TempAppDir dir;
    const std::string path = dir.file("real.slf");
    writeBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    const std::string link = dir.file("link.slf");
    fs::create_symlink(path, link);
    platform::replaceFile(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(path), "new");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(ReplaceFileTest, aLinkInASharedFolderIsFollowedOnlyWhereTheSystemWould) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "links of another user can only be made by the superuser";
    TempAppDir dir;
    const std::string victim = dir.file("profile");
    writeBytes(victim, "precious");
    const std::string shared = dir.file("shared");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    const std::string link = shared + "/list.slf";
    fs::create_symlink(victim, link);

    ASSERT_EQ(::lchown(link.c_str(), Stranger, Stranger), 0);
    EXPECT_EQ(saveError(link, "planted"), "Cannot create file \"" + link + "\". Permission denied");
    EXPECT_EQ(readBytes(victim), "precious");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fileCount(shared), 1);
    EXPECT_EQ(platform::tryReplaceFile(link, "settings", 0600), "Permission denied");

    // The folder's owner may place links there, and so may the user.
    ASSERT_EQ(::chown(shared.c_str(), Stranger, Stranger), 0);
    EXPECT_EQ(saveError(link, "owner's link"), "");
    EXPECT_EQ(readBytes(victim), "owner's link");
    ASSERT_EQ(::chown(shared.c_str(), 0, 0), 0);
    ASSERT_EQ(::lchown(link.c_str(), 0, 0), 0);
    EXPECT_EQ(saveError(link, "own link"), "");
    EXPECT_EQ(readBytes(victim), "own link");
    // A folder that is not sticky, or not writable by all, follows any link.
    ASSERT_EQ(::lchown(link.c_str(), Stranger, Stranger), 0);
    ::chmod(shared.c_str(), 0777);
    EXPECT_EQ(saveError(link, "plain folder"), "");
    EXPECT_EQ(readBytes(victim), "plain folder");
    EXPECT_TRUE(fs::is_symlink(link));
}

TEST(ReplaceFileTest, everyLinkOfAChainIsChecked) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "links of another user can only be made by the superuser";
    TempAppDir dir;
    const std::string victim = dir.file("profile");
    writeBytes(victim, "precious");
    const std::string shared = dir.file("shared");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    fs::create_symlink(victim, shared + "/planted");
    ASSERT_EQ(::lchown((shared + "/planted").c_str(), Stranger, Stranger), 0);
    const std::string own = dir.file("list.slf");
    fs::create_symlink("shared/planted", own);
    EXPECT_EQ(saveError(own, "x"), "Cannot create file \"" + own + "\". Permission denied");
    EXPECT_EQ(readBytes(victim), "precious");

    const std::string loop = dir.file("loop.slf");
    fs::create_symlink("loop.slf", loop);
    EXPECT_EQ(platform::tryReplaceFile(loop, "x"), "Too many levels of symbolic links");
}

TEST(ReplaceFileTest, keepsOwnerGroupAndModeAndSplitsHardLinks) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a file to another user";
    TempAppDir dir;
    const std::string path = dir.file("family.slf");
    writeBytes(path, "old");
    ASSERT_EQ(::chown(path.c_str(), Stranger, StrangersGroup), 0);
    ::chmod(path.c_str(), 02640);
    const std::string hardLink = dir.file("copy.slf");
    fs::create_hard_link(path, hardLink);
    platform::replaceFile(path, "new");
    const struct stat info = statOf(path);
    EXPECT_EQ(info.st_uid, Stranger);
    EXPECT_EQ(info.st_gid, StrangersGroup);
    EXPECT_EQ(info.st_mode & 07777, 02640u);
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_EQ(readBytes(hardLink), "old") << "a save replaces the file, it never rewrites it";
}

TEST(ReplaceFileTest, whatIsNoRegularFileIsRefusedAndLeftInPlace) {
    TempAppDir dir;
    const std::string pipe = dir.file("pipe.slf");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_EQ(saveError(pipe, "x"),
              "Cannot create file \"" + pipe + "\". It is not a regular file");
    EXPECT_TRUE(S_ISFIFO(statOf(pipe).st_mode));
    const std::string folder = dir.file("folder.slf");
    fs::create_directory(folder);
    EXPECT_EQ(platform::tryReplaceFile(folder, "x"), "Is a directory");
    EXPECT_EQ(fileCount(dir.path()), 2);
}

TEST(ReplaceFileTest, aNewFileNeverWritesThroughALinkNorKeepsTheOldFile) {
    TempAppDir dir;
    const std::string victim = dir.file("profile");
    writeBytes(victim, "precious");
    const std::string path = dir.file("ShoppingList.txt");
    fs::create_symlink(victim, path);
    platform::replaceWithNewFile(path, "list");
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(readBytes(path), "list");
    EXPECT_EQ(readBytes(victim), "precious");

    ::chmod(path.c_str(), 0400);
    platform::replaceWithNewFile(path, "again");
    EXPECT_EQ(readBytes(path), "again");
    EXPECT_NE(statOf(path).st_mode & 0200, 0u) << "the old file's mode was kept";
    EXPECT_THROW(platform::replaceWithNewFile(dir.path(), "x"), platform::EFileError);
}

TEST(ReplaceFileTest, aSaveRemovesOnlyTheStaleTemporariesOfItsOwnTarget) {
    TempAppDir dir;
    const std::string path = dir.file("list.slf");
    const std::string ended = std::to_string(endedProcess());
    const std::string own = std::to_string(::getpid());
    const std::vector<std::string> stale{path + ".~" + ended + "-0", path + ".~" + ended + "-17"};
    const std::vector<std::string> kept{
        path + ".~" + own + "-999",             // this process may be writing it right now
        path + ".~1-0",                         // its writer still runs
        path + ".~" + ended + "-x",             // not a name a save gives
        path + ".~" + ended,                    // nor this
        dir.file("other.slf.~") + ended + "-0", // another target's
    };
    for (const std::string& name : stale)
        writeBytes(name, "half");
    for (const std::string& name : kept)
        writeBytes(name, "keep");
    const std::string linked = path + ".~" + ended + "-5";
    fs::create_symlink(dir.file("other.slf.~") + ended + "-0", linked);

    platform::replaceFile(path, "new");
    for (const std::string& name : stale)
        EXPECT_FALSE(fs::exists(name)) << name;
    for (const std::string& name : kept)
        EXPECT_TRUE(fs::exists(name)) << name;
    EXPECT_TRUE(fs::is_symlink(linked)) << "only files are removed";

    writeBytes(stale.front(), "half");
    platform::removeStaleTemporaries(path);
    EXPECT_FALSE(fs::exists(stale.front()));
    EXPECT_EQ(readBytes(path), "new");
}

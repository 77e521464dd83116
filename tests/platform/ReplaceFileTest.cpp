#include "platform/ReplaceFile.h"
#include "platform/Errors.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

int fileCount(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

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

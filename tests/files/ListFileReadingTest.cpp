#include "files/CategoryNames.h"
#include "files/ListFile.h"
#include "platform/Errors.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// The message of the error that reading path raises; empty when it reads.
std::string readError(const std::string& path) {
    try {
        files::readFileBytes(path);
    } catch (const platform::EFileError& error) {
        return error.what();
    }
    return {};
}

std::string cannotOpen(const std::string& path, const std::string& reason) {
    return "Cannot open file \"" + path + "\". " + reason;
}

} // namespace

TEST(ListFileOpening, refusesAtOnceWhatIsNoRegularFileEvenBehindALink) {
    TempAppDir dir;
    const std::string pipe = dir.file("pipe.slf");
    const NamedPipe fifo(pipe);
    ASSERT_TRUE(fifo.made());
    const std::string socket = dir.file("socket.slf");
    const LocalSocket listening(socket);
    ASSERT_TRUE(listening.made());
    const std::string device = dir.file("zero.slf");
    fs::create_symlink("/dev/zero", device);
    const std::string dangling = dir.file("dangling.slf");
    fs::create_symlink(dir.file("nowhere.slf"), dangling);
    const std::string folder = dir.file("folder.slf");
    fs::create_directory(folder);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(readError(pipe), cannotOpen(pipe, "It is a named pipe, not a file"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2))
        << "waited for a writer";
    EXPECT_EQ(readError(socket), cannotOpen(socket, "It is a socket, not a file"));
    EXPECT_EQ(readError(device), cannotOpen(device, "It is a device, not a file"));
    EXPECT_EQ(readError(dangling), cannotOpen(dangling, "No such file or directory"));
    EXPECT_EQ(readError(folder), cannotOpen(folder, "Is a directory"));
}

TEST(ListFileOpening, aLinkToARegularFileIsRead) {
    TempAppDir dir;
    writeBytes(dir.file("real.slf"), "//Dairy\r\n");
    fs::create_symlink(dir.file("real.slf"), dir.file("link.slf"));
    EXPECT_EQ(files::readFileBytes(dir.file("link.slf")), "//Dairy\r\n");
}

TEST(ListFileOpening, nothingAfterTheFirstNulIsKept) {
    TempAppDir dir;
    const std::string path = dir.file("nul.slf");
    std::string bytes = "//Dairy\r\nMi";
    bytes += '\0';
    bytes += std::string(1 << 20, 'x');
    writeBytes(path, bytes);
    EXPECT_EQ(files::readFileBytes(path), "//Dairy\r\nMi");
}

TEST(ListFileOpening, aFileLargerThanAnyListIsRefusedWithoutReadingIt) {
    TempAppDir dir;
    const std::string path = dir.file("huge.slf");
    // Sparse: no disk space and no time, and every byte a NUL after the first.
    writeBytes(path, "//Dairy\r\n");
    fs::resize_file(path, files::MaxListFileBytes + 1);
    EXPECT_EQ(readError(path),
              cannotOpen(path, "The file is larger than 512 MB and cannot be a shopping list"));
    fs::resize_file(path, files::MaxListFileBytes);
    EXPECT_EQ(files::readFileBytes(path), "//Dairy\r\n") << "the limit itself is allowed";
}

TEST(ListFileOpening, aFileThatMayNotBeReadNamesTheReason) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    TempAppDir dir;
    const std::string path = dir.file("locked.slf");
    writeBytes(path, "//Dairy\r\n");
    fs::permissions(path, fs::perms::none);
    EXPECT_EQ(readError(path), cannotOpen(path, "Permission denied"));
}

TEST(CategoryNamesOpening, aPipeInPlaceOfTheFileIsRefusedAndChangesNoList) {
    TempAppDir dir;
    const std::string path = dir.file("Defaults.slf");
    const NamedPipe fifo(path);
    ASSERT_TRUE(fifo.made());
    model::Document document;
    document.list(0).append("Milk\t2");
    EXPECT_THROW(files::LoadCategoryNames(document, path), platform::EFileError);
    EXPECT_EQ(document.list(0).count(), 2u);
}

#include "platform/FileRegistryStore.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TempDir.h"

#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using platform::FileRegistryStore;
using platform::RootKey;

namespace {

constexpr char Key[] = "Software\\Quillmere Software\\Provendo\\1.0";

bool storesAValue(FileRegistryStore& store) {
    const auto key = store.openKey(RootKey::CurrentUser, Key, true);
    return key && key->setValue("Hints", platform::RegValue::dword(1));
}

} // namespace

TEST(RegistryStoreStart, removesTheTemporariesOfKilledSavesOnly) {
    QTemporaryDir folder;
    const std::string base = folder.path().toStdString() + "/HKEY_CURRENT_USER.reg.~";
    const std::string stale = base + std::to_string(endedProcess()) + "-3";
    const std::string live = base + "1-0";
    writeBytes(stale, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\So");
    writeBytes(live, "REGEDIT4\r\n");
    const FileRegistryStore store(folder.path().toStdString(), {});
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
}

TEST(RegistryStoreStart, aFileInPlaceOfTheFolderGivesOneErrorNamingTheFile) {
    QTemporaryDir parent;
    const std::string folder = parent.path().toStdString() + "/Provendo";
    writeBytes(folder, "not a folder");
    FileRegistryStore store(folder, {});
    EXPECT_FALSE(storesAValue(store));
    EXPECT_EQ(store.lastWriteError(),
              "Cannot create file \"" + folder + "/HKEY_CURRENT_USER.reg\". Not a directory");
    EXPECT_EQ(readBytes(folder), "not a folder");
}

TEST(RegistryStoreStart, aPipeInPlaceOfTheFileIsSetAsideWithoutWaiting) {
    QTemporaryDir folder;
    std::unique_ptr<FileRegistryStore> store;
    const std::string file = folder.path().toStdString() + "/HKEY_CURRENT_USER.reg";
    {
        const NamedPipe pipe(file);
        ASSERT_TRUE(pipe.made());
        const auto started = std::chrono::steady_clock::now();
        store = std::make_unique<FileRegistryStore>(folder.path().toStdString(), std::string());
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    }
    ASSERT_EQ(store->setAside().size(), 1u);
    EXPECT_TRUE(fs::is_fifo(store->setAside().front()));
    EXPECT_TRUE(storesAValue(*store));
    EXPECT_TRUE(fs::is_regular_file(file));
}

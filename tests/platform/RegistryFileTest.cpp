#include "platform/FileRegistryStore.h"
#include "platform/RegTree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class RegistryFileTest : public testing::Test {
protected:
    std::string folder() const { return dir_.path().toStdString() + "/Provendo"; }
    FileRegistryStore store() const { return FileRegistryStore(folder(), machine()); }
    std::string machine() const { return dir_.path().toStdString() + "/machine.reg"; }
    std::string user() const { return folder() + "/HKEY_CURRENT_USER.reg"; }

    QTemporaryDir dir_;
};

std::optional<RegValue> read(FileRegistryStore& s, const std::string& path,
                             const std::string& name) {
    auto key = s.openKey(RootKey::CurrentUser, path, false);
    return key ? key->value(name) : std::nullopt;
}

} // namespace

TEST_F(RegistryFileTest, writesRegeditTextWithEscapesDwordsAndWrappedHex) {
    FileRegistryStore s = store();
    auto key = s.openKey(RootKey::CurrentUser, "Software\\Q S\\frmMain", true);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->setValue("Caption", RegValue::text("a \"b\" c:\\d")));
    ASSERT_TRUE(key->setValue("Left", RegValue::dword(217)));
    ASSERT_TRUE(key->setValue("MainForm", RegValue::binary(std::string("\x04\0\0\0\x01", 5))));
    ASSERT_TRUE(key->setValue("Long", RegValue::binary(std::string(30, '\xAB'))));
    EXPECT_EQ(
        slurp(user()),
        "REGEDIT4\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software]\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Q S]\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Q S\\frmMain]\r\n"
        "\"Caption\"=\"a \\\"b\\\" c:\\\\d\"\r\n"
        "\"Left\"=dword:000000d9\r\n"
        "\"MainForm\"=hex:04,00,00,00,01\r\n"
        "\"Long\"=hex:ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,\\\r\n"
        "  ab,ab,ab,ab,ab,ab,ab,ab\r\n\r\n");
}

TEST_F(RegistryFileTest, everyByteAndUnknownTypesSurviveARoundTrip) {
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte.push_back(static_cast<char>(b));
    std::string binary;
    for (int b = 0; b < 256; ++b)
        binary.push_back(static_cast<char>(b));
    const RegValue multi{RegMultiSz, std::string("a\0b\0\0", 5)};
    const RegValue oddText{RegSz, std::string("no terminator")};
    {
        FileRegistryStore s = store();
        auto key = s.openKey(RootKey::CurrentUser, "Software\\K", true);
        key->setValue("every", RegValue::text(everyByte));
        key->setValue("bin", RegValue::binary(binary));
        key->setValue("multi", multi);
        key->setValue("odd", oddText);
        key->setValue("", RegValue::text("default"));
        key->setValue("empty", RegValue::binary(""));
    }
    const std::string file = slurp(user());
    EXPECT_NE(file.find("\"every\"=hex(1):01,02,"), std::string::npos);
    EXPECT_NE(file.find("\"multi\"=hex(7):61,00,62,00,00\r\n"), std::string::npos);
    EXPECT_NE(file.find("@=\"default\"\r\n"), std::string::npos);

    FileRegistryStore again = store();
    EXPECT_EQ(read(again, "Software\\K", "every"), RegValue::text(everyByte));
    EXPECT_EQ(read(again, "software\\k", "BIN"), RegValue::binary(binary));
    EXPECT_EQ(read(again, "Software\\K", "multi"), multi);
    EXPECT_EQ(read(again, "Software\\K", "odd"), oddText);
    EXPECT_EQ(read(again, "Software\\K", ""), RegValue::text("default"));
    EXPECT_EQ(read(again, "Software\\K", "empty"), RegValue::binary(""));
    again.openKey(RootKey::CurrentUser, "Software\\K", false)->setValue("x", RegValue::dword(1));
    EXPECT_EQ(slurp(user()).size(), file.size() + std::string("\"x\"=dword:00000001\r\n").size());
}

TEST_F(RegistryFileTest, readsLfLinesWithoutHeaderAndContinuations) {
    const RegParseResult r = parseRegEdit4("[HKEY_CURRENT_USER\\A]\n\"v\"=hex:01,\\\n   02\n"
                                           "\"s\"=\"x\"\n\"d\"=dword:ffffffff\n",
                                           "HKEY_CURRENT_USER");
    EXPECT_FALSE(r.damaged);
    const RegTree::Key* key = r.tree.key("a");
    ASSERT_TRUE(key);
    ASSERT_EQ(key->values.size(), 3u);
    EXPECT_EQ(key->values[0].second, RegValue::binary("\x01\x02"));
    EXPECT_EQ(key->values[2].second, RegValue::dword(0xFFFFFFFF));
}

TEST_F(RegistryFileTest, garbageIsReportedAndTheReadablePartKept) {
    for (const std::string& bad : std::vector<std::string>{
             "REGEDIT4\r\n\"orphan\"=\"x\"\r\n[HKEY_CURRENT_USER\\A]\r\n",
             "[HKEY_CURRENT_USER\\A]\r\n\"v\"=hex:0g\r\n",
             "[HKEY_CURRENT_USER\\A]\r\n\"v\"=dword:123456789\r\n",
             "[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"unterminated\r\n",
             "[HKEY_CURRENT_USER\\A]\r\n\"v\"=hex:01,\r\n", "[HKEY_LOCAL_MACHINE\\A]\r\n",
             "[HKEY_CURRENT_USER\\A\r\n",
             std::string("[HKEY_CURRENT_USER\\A]\r\n\0\xFF\x01", 27) + std::string(100000, 'z')}) {
        const RegParseResult r = parseRegEdit4(bad, "HKEY_CURRENT_USER");
        EXPECT_TRUE(r.damaged) << bad.substr(0, 60);
        if (r.tree.hasKey("A")) {
            EXPECT_TRUE(r.tree.key("A")->values.empty());
        }
    }
}

TEST_F(RegistryFileTest, damagedFileIsKeptAsideAndTheNextSaveWritesAGoodOne) {
    const std::string damaged =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"good\"=dword:00000007\r\n#@!garbage\r\n";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder())));
    spit(user(), damaged);
    FileRegistryStore s = store();
    EXPECT_EQ(read(s, "A", "good"), RegValue::dword(7));
    ASSERT_EQ(s.setAside().size(), 1u);
    EXPECT_EQ(slurp(s.setAside()[0]), damaged);

    s.openKey(RootKey::CurrentUser, "A", false)->setValue("new", RegValue::dword(8));
    EXPECT_FALSE(parseRegEdit4(slurp(user()), "HKEY_CURRENT_USER").damaged);
    FileRegistryStore again = store();
    EXPECT_EQ(read(again, "A", "good"), RegValue::dword(7));
    EXPECT_EQ(read(again, "A", "new"), RegValue::dword(8));
    EXPECT_TRUE(again.setAside().empty());
}

TEST_F(RegistryFileTest, batchReplacesTheFileOnceAtTheEnd) {
    FileRegistryStore s = store();
    s.openKey(RootKey::CurrentUser, "A", true);
    const std::string before = slurp(user());
    {
        RegistryBatch batch(s);
        auto key = s.openKey(RootKey::CurrentUser, "A\\B", true);
        // Appended rather than "v" + std::to_string(i): GCC 12 at -O3 warns falsely
        // (-Wrestrict) about the inlined insert of that operator+.
        for (int i = 0; i < 30; ++i)
            key->setValue(std::string("v").append(std::to_string(i)),
                          RegValue::dword(static_cast<std::uint32_t>(i)));
        EXPECT_EQ(slurp(user()), before);
        EXPECT_EQ(read(s, "A\\B", "v29"), RegValue::dword(29));
    }
    FileRegistryStore again = store();
    EXPECT_EQ(read(again, "A\\B", "v29"), RegValue::dword(29));
}

TEST_F(RegistryFileTest, twoCopiesMergeInsteadOfErasingEachOther) {
    FileRegistryStore a = store();
    FileRegistryStore b = store();
    a.openKey(RootKey::CurrentUser, "K", true)->setValue("fromA", RegValue::dword(1));
    a.openKey(RootKey::CurrentUser, "K", false)->setValue("gone", RegValue::dword(9));
    {
        // b opened its key before a's last change and still sees its own copy in memory.
        RegistryBatch batch(b);
        b.openKey(RootKey::CurrentUser, "K", true)->setValue("fromB", RegValue::dword(2));
        a.openKey(RootKey::CurrentUser, "K", false)->deleteValue("gone");
    }
    FileRegistryStore c = store();
    EXPECT_EQ(read(c, "K", "fromA"), RegValue::dword(1));
    EXPECT_EQ(read(c, "K", "fromB"), RegValue::dword(2));
    EXPECT_FALSE(read(c, "K", "gone"));
}

TEST_F(RegistryFileTest, twoProcessesSavingAtOnceLoseNothing) {
    constexpr int kValues = 40;
    auto work = [this](const std::string& prefix) {
        FileRegistryStore s = store();
        for (int i = 0; i < kValues; ++i) {
            RegistryBatch batch(s);
            auto key = s.openKey(RootKey::CurrentUser, "Software\\Shared", true);
            key->setValue(prefix + std::to_string(i),
                          RegValue::dword(static_cast<std::uint32_t>(i)));
        }
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        work("child");
        _exit(0);
    }
    work("parent");
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    FileRegistryStore s = store();
    auto key = s.openKey(RootKey::CurrentUser, "Software\\Shared", false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->valueNames().size(), 2u * kValues);
}

TEST_F(RegistryFileTest, machineKeysAreReadOnly) {
    spit(machine(), "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\"
                    "CurrentVersion]\r\n\"RegisteredOrganization\"=\"Org\"\r\n");
    FileRegistryStore s = store();
    auto key =
        s.openKey(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", true);
    ASSERT_TRUE(key);
    EXPECT_FALSE(key->writable());
    EXPECT_EQ(key->value("registeredorganization"), RegValue::text("Org"));
    EXPECT_FALSE(key->setValue("x", RegValue::dword(1)));
    EXPECT_FALSE(s.openKey(RootKey::LocalMachine, "SOFTWARE\\New", true));
    EXPECT_FALSE(s.deleteKey(RootKey::LocalMachine, "SOFTWARE"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(user())));
}

TEST_F(RegistryFileTest, deleteKeyTakesItsSubkeysOnly) {
    FileRegistryStore s = store();
    s.openKey(RootKey::CurrentUser, "A\\B\\C", true)->setValue("v", RegValue::dword(1));
    s.openKey(RootKey::CurrentUser, "A\\BB", true)->setValue("w", RegValue::dword(2));
    EXPECT_TRUE(s.deleteKey(RootKey::CurrentUser, "a\\b"));
    FileRegistryStore again = store();
    EXPECT_FALSE(again.openKey(RootKey::CurrentUser, "A\\B\\C", false));
    EXPECT_EQ(read(again, "A\\BB", "w"), RegValue::dword(2));
    EXPECT_EQ(again.openKey(RootKey::CurrentUser, "A", false)->subkeyNames(),
              std::vector<std::string>{"BB"});
}

TEST_F(RegistryFileTest, unreadableFileIsMovedAsideNotOverwritten) {
    // A folder where the file should be cannot be read, even by root.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(user() + "/inside")));
    FileRegistryStore s = store();
    ASSERT_EQ(s.setAside().size(), 1u);
    EXPECT_TRUE(QDir(QString::fromStdString(s.setAside()[0] + "/inside")).exists());
    s.openKey(RootKey::CurrentUser, "A", true)->setValue("x", RegValue::dword(3));
    FileRegistryStore again = store();
    EXPECT_EQ(read(again, "A", "x"), RegValue::dword(3));
}

TEST_F(RegistryFileTest, aValueWrittenAsItWasReadNeverOverwritesAnotherCopysChange) {
    {
        FileRegistryStore first = store();
        auto key = first.openKey(RootKey::CurrentUser, "K", true);
        key->setValue("page", RegValue::text("tsDairy"));
        key->setValue("balloon", RegValue::text("True"));
        key->setValue("width", RegValue::dword(100));
    }
    FileRegistryStore a = store();
    FileRegistryStore b = store();
    b.openKey(RootKey::CurrentUser, "K", false)->setValue("balloon", RegValue::text("False"));
    {
        // a saves everything it holds, as a container with SaveAll does: only the page
        // and the width are its own changes.
        RegistryBatch batch(a);
        auto key = a.openKey(RootKey::CurrentUser, "K", true);
        key->setValue("page", RegValue::text("tsMeat"));
        key->setValue("balloon", RegValue::text("True"));
        key->setValue("width", RegValue::dword(100));
        key->setValue("fresh", RegValue::dword(5));
    }
    FileRegistryStore c = store();
    EXPECT_EQ(read(c, "K", "page"), RegValue::text("tsMeat"));
    EXPECT_EQ(read(c, "K", "balloon"), RegValue::text("False"));
    EXPECT_EQ(read(c, "K", "width"), RegValue::dword(100));
    EXPECT_EQ(read(c, "K", "fresh"), RegValue::dword(5));

    // A value changed and changed back is this copy's change again.
    auto key = a.openKey(RootKey::CurrentUser, "K", false);
    key->setValue("width", RegValue::dword(120));
    b.openKey(RootKey::CurrentUser, "K", false)->setValue("width", RegValue::dword(300));
    key->setValue("width", RegValue::dword(100));
    FileRegistryStore d = store();
    EXPECT_EQ(read(d, "K", "width"), RegValue::dword(100));

    // An unchanged value fills the gap when the file lost it.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(user())));
    a.openKey(RootKey::CurrentUser, "K", true)->setValue("balloon", RegValue::text("True"));
    FileRegistryStore e = store();
    EXPECT_EQ(read(e, "K", "balloon"), RegValue::text("True"));
}

TEST_F(RegistryFileTest, aReaderSeesEverySaveEvenTwoWithinOneClockTick) {
    // Files of equal size replaced within one tick of the file clock differ only in
    // their inode, and a freed inode number is soon given out again. The tick is
    // pinned here: every file gets the same time.
    const timespec tick[2] = {{1700000000, 0}, {1700000000, 0}};
    auto save = [&](FileRegistryStore& s, std::uint32_t v) {
        s.openKey(RootKey::CurrentUser, "K", true)->setValue("v", RegValue::dword(v));
        ASSERT_EQ(::utimensat(AT_FDCWD, user().c_str(), tick, 0), 0);
    };
    FileRegistryStore a = store();
    FileRegistryStore b = store();
    FileRegistryStore reader = store();
    for (std::uint32_t i = 0; i < 50; ++i) {
        save(a, i);
        EXPECT_EQ(read(reader, "K", "v"), RegValue::dword(i));
        save(b, i + 1000);
        save(a, i + 2000);
        EXPECT_EQ(read(reader, "K", "v"), RegValue::dword(i + 2000)) << i;
    }
}

TEST_F(RegistryFileTest, aFailedWriteNamesTheFileWithTheSystemsReason) {
    // A file where the settings folder should be: no folder can be made there.
    spit(folder(), "not a folder");
    FileRegistryStore s = store();
    EXPECT_FALSE(s.openKey(RootKey::CurrentUser, "K", true));
    EXPECT_FALSE(s.lastWriteSucceeded());
    EXPECT_EQ(s.lastWriteError(), "Cannot create file \"" + user() + "\". Not a directory");
}

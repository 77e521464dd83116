#include "platform/FileRegistryStore.h"
#include "platform/RegTree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

using namespace platform;

namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

std::string deepPath(std::size_t levels, std::size_t partLength = 1) {
    std::string path;
    for (std::size_t i = 0; i < levels; ++i) {
        if (i > 0)
            path += '\\';
        path += std::string(partLength, static_cast<char>('a' + i % 26));
    }
    return path;
}

std::string file(const std::string& path, const std::string& valueName = "v") {
    return "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Good]\r\n\"kept\"=dword:00000001\r\n\r\n"
           "[HKEY_CURRENT_USER\\" +
           path + "]\r\n\"" + valueName + "\"=dword:00000002\r\n";
}

} // namespace

TEST(RegistryLimits, keysAndValueNamesBeyondTheRegistrysLimitsMakeAFileDamaged) {
    struct Case {
        std::string path;
        std::string valueName;
        bool fits;
    };
    const std::vector<Case> cases = {
        {deepPath(512), "v", true},
        {deepPath(513), "v", false},
        {deepPath(3, 255), "v", true},
        {deepPath(3, 255) + "x", "v", false},
        {"A\\\\B", "v", false},
        {"A", std::string(16383, 'n'), true},
        {"A", std::string(16384, 'n'), false},
    };
    for (const Case& c : cases) {
        const RegParseResult r = parseRegEdit4(file(c.path, c.valueName), kRoot);
        EXPECT_EQ(r.damaged, !c.fits) << c.path.size() << " " << c.valueName.size();
        EXPECT_EQ(r.tree.value(c.path, c.valueName).has_value(), c.fits);
        EXPECT_EQ(r.tree.value("Good", "kept"), RegValue::dword(1));
        EXPECT_EQ(keyPathWithinLimits(c.path) && valueNameWithinLimits(c.valueName), c.fits);
    }
}

TEST(RegistryLimits, aKeyOfTenThousandLevelsIsSetAsideAndTheRestKept) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/Provendo";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    const std::string hostile = file(deepPath(10000));
    std::ofstream(folder + "/HKEY_CURRENT_USER.reg", std::ios::binary) << hostile;

    FileRegistryStore s(folder, {});
    ASSERT_EQ(s.setAside().size(), 1u);
    EXPECT_FALSE(s.openKey(RootKey::CurrentUser, "a", false));
    EXPECT_FALSE(s.openKey(RootKey::CurrentUser, deepPath(10000), true));
    auto good = s.openKey(RootKey::CurrentUser, "Good", false);
    ASSERT_TRUE(good);
    EXPECT_EQ(good->value("kept"), RegValue::dword(1));
    EXPECT_FALSE(good->setValue(std::string(16384, 'n'), RegValue::dword(1)));
    ASSERT_TRUE(good->setValue("more", RegValue::dword(3)));

    std::ifstream in(folder + "/HKEY_CURRENT_USER.reg", std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_LT(written.str().size(), 200u);
    EXPECT_FALSE(parseRegEdit4(written.str(), kRoot).damaged);
}

TEST(RegistryLimits, valuesKeepTheirOrderAndFindTheirPlaceAfterDeletes) {
    RegTree tree;
    tree.createKey("A\\B");
    for (int i = 0; i < 5; ++i)
        tree.setValue("a\\b", "V" + std::to_string(i), RegValue::dword(static_cast<unsigned>(i)));
    EXPECT_TRUE(tree.deleteValue("A\\B", "v1"));
    EXPECT_FALSE(tree.deleteValue("A\\B", "v1"));
    tree.setValue("A\\B", "v3", RegValue::text("three"));
    tree.setValue("A\\B", "V1", RegValue::dword(9));
    const RegTree::Key* key = tree.key("a\\B");
    ASSERT_TRUE(key);
    std::vector<std::string> names;
    for (const auto& [name, value] : key->values)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"V0", "V2", "V3", "V4", "V1"}));
    EXPECT_EQ(tree.value("A\\B", "V3"), RegValue::text("three"));
    EXPECT_EQ(tree.value("A\\B", "v4"), RegValue::dword(4));
    EXPECT_EQ(tree.subkeyNames("A"), std::vector<std::string>{"B"});
    EXPECT_EQ(tree.subkeyNames(""), std::vector<std::string>{"A"});
    EXPECT_TRUE(tree.deleteKey("a"));
    EXPECT_FALSE(tree.hasKey("A\\B"));
}

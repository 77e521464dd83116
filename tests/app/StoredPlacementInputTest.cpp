// Damaged and hostile values in the main window's own key: the window still comes up
// usable, and the next save writes sound values over them.
#include "app/GlobalData.h"
#include "app/Main.h"
#include "app/ModalSeam.h"
#include "platform/FileRegistryStore.h"
#include "tests/support/StoredDword.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QScreen>
#include <gtest/gtest.h>

using platform::RegValue;

namespace {

const std::string kForm = "Software\\Quillmere Software\\Provendo\\1.0\\frmMain";

std::string le32(std::uint32_t v) {
    std::string out;
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return out;
}

RegValue binary(std::uint32_t kind, const std::string& rest) {
    return RegValue::binary(le32(kind) + rest);
}

// The same damaged value for every placement value name, one type of damage per row.
const std::vector<std::pair<const char*, RegValue>> kDamage = {
    {"largest dword", RegValue::dword(0x7FFFFFFF)},
    {"smallest dword", RegValue::dword(0x80000000)},
    {"minus two", RegValue::dword(0xFFFFFFFE)},
    {"zero", RegValue::dword(0)},
    {"text that is no number", RegValue::text("junk\x01\xff")},
    {"text far out of range", RegValue::text("-1e300")},
    {"empty binary", RegValue::binary("")},
    {"binary shorter than its kind", RegValue::binary(std::string("\x03\x00", 2))},
    {"float 1e4000", binary(3, std::string("\x00\x00\x00\x00\x00\x00\x00\x80\x4D\x67", 10))},
    {"float NaN", binary(3, std::string("\x01\x00\x00\x00\x00\x00\x00\xC0\xFF\x7F", 10))},
    {"date", binary(5, std::string("\x00\x00\x00\x00\x00\x00\x00\x80\x0E\x40", 10))},
    {"list", binary(7, le32(3) + "a,b")},
    {"list longer than its bytes", binary(7, le32(0xFFFFFFFF) + "a,b")},
    {"unknown kind", binary(99, "xyz")},
    {"hidden kind", binary(8, "\x01\x02")},
    {"collection kind", binary(9, "\x0E\x01\x00\x00")},
    {"other registry type", RegValue{7, std::string("a\0b\0\0", 5)}},
};

const char* const kNames[] = {"Left",  "Top",      "Width",     "Height",
                              "State", "MainForm", "ScreenRes", "MRUList"};

class StoredPlacementInput : public testing::Test {
protected:
    void SetUp() override {
        GlobalData::gPath.clear();
        ModalSeam::clear();
    }
    void put(const std::string& name, const RegValue& value) {
        dir.registry().openKey(platform::RootKey::CurrentUser, kForm, true)->setValue(name, value);
    }
    std::optional<RegValue> stored(const std::string& name) {
        auto key = dir.registry().openKey(platform::RootKey::CurrentUser, kForm, false);
        return key ? key->value(name) : std::nullopt;
    }
    std::int64_t dword(const std::string& name) { return storedDword(stored(name)); }

    // Starts and ends the window over what is stored now and checks it was usable and
    // that what it saved is sound.
    void runAndCheck(const std::string& what) {
        QRect shown;
        {
            TfrmMain window;
            window.show();
            QApplication::processEvents();
            shown = QRect(window.pos(), window.size());
            const QRect area = window.screen()->availableGeometry();
            EXPECT_LE(window.width(), area.width()) << what;
            EXPECT_LE(window.height(), area.height()) << what;
            EXPECT_GE(window.width(), 1) << what;
            EXPECT_TRUE(area.contains(window.pos())) << what << ": top-left off the work area";
            window.close();
        }
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(area.contains(QPoint(dword("Left"), dword("Top")))) << what;
        EXPECT_GE(dword("Width"), 1) << what;
        EXPECT_LE(dword("Width"), area.width()) << what;
        EXPECT_GE(dword("Height"), 1) << what;
        EXPECT_LE(dword("Height"), area.height()) << what;
        EXPECT_TRUE(dword("State") >= 0 && dword("State") <= 2) << what;
        EXPECT_EQ(stored("MainForm"), RegValue::binary(std::string("\x04\x00\x00\x00\x01", 5)))
            << what;
        const QSize screen = QGuiApplication::primaryScreen()->size();
        EXPECT_EQ(stored("ScreenRes"), RegValue::text(std::to_string(screen.width()) + "x" +
                                                      std::to_string(screen.height())))
            << what;
        const auto mru = stored("MRUList");
        ASSERT_TRUE(mru && mru->type == platform::RegBinary && mru->data.size() >= 8) << what;
        EXPECT_EQ(mru->data.substr(0, 4), le32(7)) << what;
        std::uint32_t length = 0;
        for (int i = 7; i >= 4; --i)
            length =
                (length << 8) | static_cast<unsigned char>(mru->data[static_cast<std::size_t>(i)]);
        EXPECT_EQ(mru->data.size(), 8 + std::size_t{length}) << what;
    }

    TempAppDir dir;
};

} // namespace

TEST_F(StoredPlacementInput, everyKindOfDamageInEveryValueLeavesAUsableWindowAndIsSavedSound) {
    for (const auto& [what, value] : kDamage) {
        for (const char* name : kNames)
            put(name, value);
        runAndCheck(what);
    }
}

TEST_F(StoredPlacementInput, aValueOfTheWrongKindIsPassedOverAndTheOthersStillApply) {
    for (const RegValue& damaged : {binary(5, std::string(10, '\x40')), binary(7, le32(1) + "x")}) {
        put("Left", damaged);
        put("Top", RegValue::dword(80));
        put("Width", RegValue::dword(500));
        put("Height", RegValue::dword(400));
        put("ScreenRes", RegValue::text("1x1"));
        TfrmMain window;
        EXPECT_EQ(window.size(), QSize(500, 400));
        EXPECT_EQ(window.y(), 80);
        window.close();
    }
}

TEST_F(StoredPlacementInput, aHundredThousandRecentFilesAreReadAndCutAtTheNextSave) {
    const std::string existing = dir.file("list.slf");
    writeBytes(existing, "//Dairy\r\n");
    // Two gone files among the first entries are dropped; those past the longest menu
    // are never looked at.
    std::string text = existing + ",/nowhere/a.slf," + existing + ",/nowhere/b.slf";
    for (int i = 0; i < 5; ++i)
        text += "," + existing;
    for (int i = 0; i < 100000; ++i)
        text += ",/nowhere/list" + std::to_string(i) + ".slf";
    put("MRUList", binary(7, le32(static_cast<std::uint32_t>(text.size())) + text));
    runAndCheck("100,000 entries");
    const std::string expected = existing + ',' + existing + ',' + existing + ',' + existing;
    EXPECT_EQ(stored("MRUList"),
              binary(7, le32(static_cast<std::uint32_t>(expected.size())) + expected));
}

#include "RegistryFixture.h"
#include "settings/PBinary.h"
#include "settings/PSetting.h"

#include <QLocale>

using platform::RegValue;

namespace {

const std::string kKey = "Software\\Co\\App\\AppSettings";

class SettingFormatTest : public RegistryFixture {
protected:
    SettingFormatTest() { QLocale::setDefault(QLocale::c()); }

    // Saves a free-standing setting and answers the stored value.
    template <typename F> std::optional<RegValue> saved(F&& set, bool encrypted = false) {
        TPSetting s;
        s.Name = "v";
        s.Encrypted = encrypted;
        set(s);
        s.SaveValue(registry_, kKey, true);
        EXPECT_FALSE(registry_.HasCurrentKey());
        return stored(kKey, "v");
    }
    std::unique_ptr<TPSetting> restored(const RegValue& value, bool encrypted = false) {
        put(kKey, "v", value);
        auto s = std::make_unique<TPSetting>();
        s->Name = "v";
        s->Encrypted = encrypted;
        s->RestoreValue(registry_, kKey);
        return s;
    }
};

} // namespace

TEST_F(SettingFormatTest, everyKindIsStoredInItsExactForm) {
    EXPECT_EQ(saved([](TPSetting& s) { s.SetAsString("C:\\Lists"); }), RegValue::text("C:\\Lists"));
    EXPECT_EQ(saved([](TPSetting& s) { s.SetAsInteger(-2); }),
              (RegValue{platform::RegDword, bytes({0xFE, 0xFF, 0xFF, 0xFF})}));
    EXPECT_EQ(saved([](TPSetting& s) { s.SetAsFloat(1.5); }),
              RegValue::binary(bytes({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F})));
    EXPECT_EQ(saved([](TPSetting& s) { s.SetAsBoolean(true); }),
              RegValue::binary(bytes({4, 0, 0, 0, 1})));
    EXPECT_EQ(saved([](TPSetting& s) { s.SetAsBoolean(false); }),
              RegValue::binary(bytes({4, 0, 0, 0, 0})));
    EXPECT_EQ(saved([](TPSetting& s) { s.SetAsDateTime({2.0}); }),
              RegValue::binary(bytes({5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0x40})));
    EXPECT_EQ(saved([](TPSetting& s) { s.SetAsVariant(QString("ab")); }),
              RegValue::binary(bytes({6, 0, 0, 0, 2, 0, 0, 0, 'a', 'b'})));
    EXPECT_EQ(saved([](TPSetting& s) { s.SetAsStrings({}); }),
              RegValue::binary(bytes({7, 0, 0, 0, 0, 0, 0, 0})));
    EXPECT_EQ(saved([](TPSetting& s) {
                  s.SetAsStrings({"a", "b c"});
              }),
              RegValue::binary(std::string(bytes({7, 0, 0, 0, 7, 0, 0, 0})) + "a,\"b c\""));
}

TEST_F(SettingFormatTest, aValueNeverSetWritesNothingAndLeavesWhatIsThere) {
    const RegValue other{platform::RegExpandSz, std::string("%PATH%\0", 7)};
    put(kKey, "v", other);
    TPSetting s;
    s.Name = "v";
    s.RestoreValue(registry_, kKey);
    EXPECT_EQ(s.Value().kind, pvkNone);
    s.SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey, "v"), other);
}

TEST_F(SettingFormatTest, everyKindReadsBackFromItsStoredForm) {
    EXPECT_EQ(restored(RegValue::text("true"))->Value().kind, pvkString);
    EXPECT_FALSE(restored(RegValue::text("true"))->AsBoolean());
    EXPECT_EQ(restored(RegValue::dword(0xFFFFFFFF))->AsInteger(), -1);
    EXPECT_EQ(restored(RegValue::binary(bytes({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F})))
                  ->AsFloat(),
              1.5);
    EXPECT_TRUE(restored(RegValue::binary(bytes({4, 0, 0, 0, 1})))->AsBoolean());
    auto date = restored(RegValue::binary(bytes({5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0x40})));
    EXPECT_EQ(date->Value().kind, pvkDateTime);
    EXPECT_EQ(date->AsFloat(), 2.0);
    auto variant = restored(RegValue::binary(bytes({6, 0, 0, 0, 2, 0, 0, 0, 'a', 'b'})));
    EXPECT_EQ(variant->Value().kind, pvkVariant);
    EXPECT_EQ(variant->AsString(), "ab");
    std::vector<std::string> list;
    restored(RegValue::binary(std::string(bytes({7, 0, 0, 0, 7, 0, 0, 0})) + "a,\"b c\""))
        ->AsStrings(list);
    EXPECT_EQ(list, (std::vector<std::string>{"a", "b c"}));
}

TEST_F(SettingFormatTest, damagedValuesAreSkippedSilently) {
    const std::vector<std::string> bad = {
        "",
        bytes({3, 0, 0}),                                 // truncated kind code
        bytes({3, 0, 0, 0, 1, 2, 3}),                     // truncated float
        bytes({4, 0, 0, 0}),                              // Boolean without its byte
        bytes({6, 0, 0, 0, 9, 0, 0, 0, 'a'}),             // length beyond the value
        bytes({7, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}), // 4 GB length
        bytes({1, 0, 0, 0, 1, 0, 0, 0, 'a'}),             // text is never binary
        bytes({2, 0, 0, 0, 1, 0, 0, 0}),                  // nor is an integer
        bytes({10, 0, 0, 0, 1}),                          // unknown kind
        bytes({0xFF, 0xFF, 0xFF, 0xFF}),
    };
    for (const std::string& b : bad) {
        put(kKey, "v", RegValue::binary(b));
        TPSetting s;
        s.Name = "v";
        s.SetAsInteger(77);
        s.RestoreValue(registry_, kKey);
        EXPECT_EQ(s.AsInteger(), 77) << b.size();
    }
    // Unsupported registry types and a DWORD of the wrong size.
    for (const RegValue& v : {RegValue{platform::RegMultiSz, std::string("a\0\0", 3)},
                              RegValue{platform::RegDword, "ab"}}) {
        EXPECT_EQ(restored(v)->Value().kind, pvkNone);
    }
}

TEST_F(SettingFormatTest, everyByteOfATextSurvivesTheStore) {
    std::string text;
    for (int b = 1; b < 256; ++b)
        text.push_back(static_cast<char>(b));
    saved([&](TPSetting& s) { s.SetAsString(text); });
    platform::FileRegistryStore fresh(dir_.path().toStdString() + "/Provendo", "");
    TPRegistry registry(fresh);
    TPSetting s;
    s.Name = "v";
    s.RestoreValue(registry, kKey);
    EXPECT_EQ(s.AsString(), text);
}

TEST_F(SettingFormatTest, encryptedValuesRoundTripAndNeedTheirOwnName) {
    const auto value = saved([](TPSetting& s) { s.SetAsString("secret"); }, true);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, platform::RegBinary);
    EXPECT_EQ(value->data.find("secret"), std::string::npos);
    EXPECT_EQ(value->data.size(), 1u + 9 + 4 + 4 + 6);
    EXPECT_EQ(restored(*value, true)->AsString(), "secret");

    for (auto set : std::vector<std::function<void(TPSetting&)>>{
             [](TPSetting& s) { s.SetAsInteger(-5); }, [](TPSetting& s) { s.SetAsFloat(2.5); },
             [](TPSetting& s) { s.SetAsBoolean(true); },
             [](TPSetting& s) {
                 s.SetAsStrings({"a", "b"});
             }}) {
        TPSetting original;
        set(original);
        const auto stored = saved(set, true);
        auto back = restored(*stored, true);
        EXPECT_EQ(back->Value().kind, original.Value().kind);
        EXPECT_EQ(back->AsString(), original.AsString());
    }

    // Another name unscrambles to something without the check word: ignored.
    put(kKey, "w", *value);
    TPSetting other;
    other.Name = "w";
    other.Encrypted = true;
    other.RestoreValue(registry_, kKey);
    EXPECT_EQ(other.Value().kind, pvkNone);
    // A plain text is not taken by an encrypted setting.
    EXPECT_EQ(restored(RegValue::text("plain"), true)->Value().kind, pvkNone);
}

TEST_F(SettingFormatTest, aFailedWriteNamesTheValue) {
    TPRegistry machine(store_);
    machine.SetRootKey(platform::RootKey::LocalMachine);
    TPSetting s;
    s.Name = "gPath";
    s.SetAsString("x");
    try {
        s.SaveValue(machine, "Software\\Co", true);
        FAIL() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'gPath'");
    }
}

TEST_F(SettingFormatTest, registryKeysOpenRelativeOrFromTheRoot) {
    ASSERT_TRUE(registry_.OpenKey("Software\\Co", true));
    ASSERT_TRUE(registry_.OpenKey("Sub", true));
    EXPECT_EQ(registry_.CurrentPath(), "Software\\Co\\Sub");
    registry_.WriteString("s", "abc");
    registry_.WriteInteger("i", 7);
    EXPECT_EQ(registry_.GetDataType("s"), platform::RegSz);
    EXPECT_EQ(registry_.GetDataSize("s"), 4); // the terminating NUL counts, as in the registry
    EXPECT_EQ(registry_.GetDataSize("none"), -1);
    EXPECT_THROW(registry_.ReadInteger("s"), ERegistryException);
    EXPECT_EQ(registry_.ReadInteger("i"), 7);

    ASSERT_TRUE(registry_.OpenKey("\\Software", false));
    EXPECT_EQ(registry_.CurrentPath(), "Software");
    EXPECT_EQ(registry_.GetKeyNames(), std::vector<std::string>{"Co"});
    EXPECT_FALSE(registry_.OpenKey("\\Software\\Missing", false));
    EXPECT_EQ(registry_.CurrentPath(), "Software"); // a failed open keeps the key
    EXPECT_TRUE(registry_.DeleteKey("\\Software\\Co"));
    registry_.CloseKey();
    EXPECT_FALSE(keyExists("Software\\Co\\Sub"));
}

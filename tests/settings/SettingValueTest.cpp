#include "settings/PBinary.h"
#include "settings/PSetting.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

template <typename F> std::string errorOf(F&& f) {
    try {
        f();
    } catch (const EPSettingException& e) {
        return e.what();
    }
    return "(no error)";
}

struct Row {
    const char* kind;
    std::function<void(TPSetting&)> set;
    std::string asString;
    std::int32_t asInteger;
    double asFloat;
    bool asBoolean;
};

class SettingValueTest : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST_F(SettingValueTest, gettersConvertByKind) {
    const std::vector<Row> rows = {
        {"none", [](TPSetting&) {}, "", 0, 0, false},
        {"string number", [](TPSetting& s) { s.SetAsString("3.7"); }, "3.7", 3, 3.7, false},
        {"string negative", [](TPSetting& s) { s.SetAsString(" -3.7 "); }, " -3.7 ", -3, -3.7,
         false},
        {"string no number", [](TPSetting& s) { s.SetAsString("abc"); }, "abc", 0, 0, false},
        {"string True", [](TPSetting& s) { s.SetAsString("True"); }, "True", 0, 0, true},
        {"string true", [](TPSetting& s) { s.SetAsString("true"); }, "true", 0, 0, false},
        {"integer", [](TPSetting& s) { s.SetAsInteger(-42); }, "-42", -42, -42, true},
        {"integer 0", [](TPSetting& s) { s.SetAsInteger(0); }, "0", 0, 0, false},
        {"float", [](TPSetting& s) { s.SetAsFloat(-2.75); }, "-2.75", -2, -2.75, true},
        {"float large", [](TPSetting& s) { s.SetAsFloat(1e20); }, "1E20", INT32_MAX, 1e20, true},
        {"float small", [](TPSetting& s) { s.SetAsFloat(1.5e-7); }, "1.5E-7", 0, 1.5e-7, true},
        {"float digits", [](TPSetting& s) { s.SetAsFloat(1.0 / 3); }, "0.333333333333333", 0,
         1.0 / 3, true},
        {"boolean", [](TPSetting& s) { s.SetAsBoolean(true); }, "True", 1, 1, true},
        {"variant", [](TPSetting& s) { s.SetAsVariant(QVariant(12)); }, "12", 12, 12, false},
        {"strings",
         [](TPSetting& s) {
             s.SetAsStrings({"a b", "c"});
         },
         "\"a b\",c", 0, 0, false},
    };
    for (const Row& row : rows) {
        TPSetting s;
        row.set(s);
        EXPECT_EQ(s.AsString(), row.asString) << row.kind;
        if (std::string(row.kind) != "strings") {
            EXPECT_EQ(s.AsInteger(), row.asInteger) << row.kind;
            EXPECT_DOUBLE_EQ(s.AsFloat(), row.asFloat) << row.kind;
            EXPECT_EQ(s.AsBoolean(), row.asBoolean) << row.kind;
        }
    }
}

TEST_F(SettingValueTest, variantsAndStringListsByKind) {
    TPSetting s;
    EXPECT_EQ(s.AsVariant(), QVariant(QString()));
    std::vector<std::string> list{"kept"};
    s.AsStrings(list);
    EXPECT_EQ(list, std::vector<std::string>{"kept"});

    s.SetAsInteger(5);
    EXPECT_EQ(s.AsVariant().typeId(), QMetaType::Int);
    s.AsStrings(list);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "5"}));

    s.SetAsStrings({"x", "", "y \"z\""});
    EXPECT_EQ(s.AsString(), "x,\"\",\"y \"\"z\"\"\"");
    s.AsStrings(list);
    EXPECT_EQ(list, (std::vector<std::string>{"x", "", "y \"z\""}));

    s.SetAsStrings({""});
    EXPECT_EQ(s.AsString(), "\"\"");
    s.SetAsStrings({});
    EXPECT_EQ(s.AsString(), "");
    s.AsStrings(list);
    EXPECT_TRUE(list.empty());

    s.SetAsDateTime({36526.5});
    EXPECT_EQ(s.AsVariant(), QVariant(36526.5));
    EXPECT_DOUBLE_EQ(s.AsFloat(), 36526.5);
    EXPECT_NE(s.AsString().find("12"), std::string::npos); // noon on 1 January 2000
}

TEST_F(SettingValueTest, misusedAccessorsSayWhy) {
    TPSetting s;
    s.SetAsDateTime({1});
    EXPECT_EQ(errorOf([&] { s.AsInteger(); }),
              "TPSetting.AsInteger cannot convert from TDateTime type");
    EXPECT_EQ(errorOf([&] { s.AsBoolean(); }),
              "TPSetting.AsBoolean cannot convert from TDateTime type");
    s.SetAsStrings({"a"});
    EXPECT_EQ(errorOf([&] { s.AsInteger(); }),
              "TPSetting.AsInteger cannot convert from TStrings type");
    EXPECT_EQ(errorOf([&] { s.AsFloat(); }), "TPSetting.AsFloat cannot convert from TStrings type");
    EXPECT_EQ(errorOf([&] { s.AsBoolean(); }),
              "TPSetting.AsBoolean cannot convert from TStrings type");
    EXPECT_EQ(errorOf([&] {
                  s.SetAsVariant(QVariantList{1, 2});
              }),
              "TPSetting.AsVariant cannot accept variant arrays");
    EXPECT_EQ(s.AsString(), "a"); // the refused value left the old one
}

TEST(SettingNames, uniqueNameAndWhereTheValueLives) {
    TPSetting bound;
    bound.BoundProperty = "hdrDairy.Sections";
    EXPECT_EQ(bound.UniqueName(), "hdrDairy_Sections");
    EXPECT_EQ(bound.KeyPath("Software\\Q\\frmMain"), "Software\\Q\\frmMain\\hdrDairy");
    EXPECT_EQ(bound.ValueName(), "Sections");

    TPSetting three;
    three.BoundProperty = "a.b.c";
    EXPECT_EQ(three.KeyPath("K"), "K\\a\\b");
    EXPECT_EQ(three.ValueName(), "c");

    TPSetting noDot;
    noDot.BoundProperty = "Caption";
    EXPECT_EQ(noDot.KeyPath("K"), "K");

    TPSetting named;
    named.Name = "g Path";
    named.BoundProperty = "x.y";
    EXPECT_EQ(named.KeyPath("K"), "K");
    EXPECT_EQ(named.ValueName(), "g Path");
    EXPECT_EQ(named.UniqueName(), "x_yg_Path");
}

TEST(SettingDiffers, kindsAndValuesDecide) {
    TPValue a, b;
    EXPECT_FALSE(a.differsFrom(b));
    a.kind = b.kind = pvkString;
    a.text = "x";
    b.text = "X";
    EXPECT_TRUE(a.differsFrom(b));
    b.text = "x";
    EXPECT_FALSE(a.differsFrom(b));
    b.kind = pvkVariant;
    EXPECT_TRUE(a.differsFrom(b));
    a.kind = b.kind = pvkCollection;
    EXPECT_TRUE(a.differsFrom(b));
    a.kind = b.kind = pvkFloat;
    a.number = b.number = 0.5;
    EXPECT_FALSE(a.differsFrom(b));
}

TEST(ExtendedFloat, exactBytesBothWays) {
    EXPECT_EQ(pbinary::toExtended(1.0), std::string("\0\0\0\0\0\0\0\x80\xFF\x3F", 10));
    EXPECT_EQ(pbinary::toExtended(-2.0), std::string("\0\0\0\0\0\0\0\x80\x00\xC0", 10));
    EXPECT_EQ(pbinary::toExtended(0.0), std::string(10, '\0'));
    EXPECT_EQ(pbinary::toExtended(1.5), std::string("\0\0\0\0\0\0\0\xC0\xFF\x3F", 10));
    for (double v : {1.0, -2.0, 1.5, 0.1, 1e308, -4.9e-324, 2.2250738585072014e-308, 36526.5})
        EXPECT_EQ(pbinary::fromExtended(pbinary::toExtended(v)), v) << v;
    EXPECT_TRUE(std::isinf(pbinary::fromExtended(std::string("\0\0\0\0\0\0\0\x80\xFF\x7F", 10))));
    EXPECT_TRUE(std::isnan(pbinary::fromExtended(std::string("\0\0\0\0\0\0\0\xC0\xFF\x7F", 10))));
    // Beyond the range of a double: infinity and zero, never undefined behaviour.
    EXPECT_TRUE(std::isinf(pbinary::fromExtended(std::string("\0\0\0\0\0\0\0\x80\xFE\x7F", 10))));
    EXPECT_EQ(pbinary::fromExtended(std::string("\0\0\0\0\0\0\0\x80\x01\x00", 10)), 0.0);
}

TEST(CommaText, readsWhatItWritesAndOddInput) {
    const std::vector<std::vector<std::string>> lists = {
        {}, {""}, {"a"}, {"a", ""}, {"", ""}, {"x,y", "\"q\"", "tab\there", " lead"}};
    for (const auto& list : lists)
        EXPECT_EQ(pbinary::fromCommaText(pbinary::toCommaText(list)), list);
    EXPECT_EQ(pbinary::fromCommaText("a b,\"c"), (std::vector<std::string>{"a", "b", "c"}));
}

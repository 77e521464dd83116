// A value that is restored and saved again without being changed goes back as it came.
#include "RegistryFixture.h"
#include "controls/HeaderControl.h"
#include "settings/PBinary.h"
#include "settings/PCollection.h"
#include "settings/PSetting.h"

#include <QWidget>
#include <cmath>
#include <cstring>

using platform::RegValue;

namespace {

const std::string kKey = "Software\\Co\\App\\frmMain";

std::string floatValue(std::initializer_list<int> tenBytes) {
    return bytes({3, 0, 0, 0}) + bytes(tenBytes);
}

class RoundTripTest : public RegistryFixture {
protected:
    RoundTripTest() {
        window_.setObjectName("frmMain");
        header_ = new controls::HeaderControl(&window_);
        header_->setObjectName("hdrDairy");
        header_->setSections({{"Item", 300}, {"Quantity", 100}});
    }

    // Restores the value into a fresh setting and saves it at once.
    std::optional<RegValue> roundTrip(const std::string& data, const std::string& bound = {}) {
        TPSetting s(&window_);
        s.SetWindow(&window_);
        if (bound.empty())
            s.Name = "v";
        else
            s.BoundProperty = bound;
        const std::string path = s.KeyPath(kKey);
        put(path, s.ValueName(), RegValue::binary(data));
        s.RestoreValue(registry_, kKey);
        store_.openKey(platform::RootKey::CurrentUser, path, false)->deleteValue(s.ValueName());
        s.SaveValue(registry_, kKey, true);
        return stored(path, s.ValueName());
    }
    std::string sections() { return pcollection::encodeCollection(header_->sectionsCollection()); }

    QWidget window_;
    controls::HeaderControl* header_;
};

} // namespace

TEST_F(RoundTripTest, extendedFloatsADoubleCannotHoldKeepTheirTenBytes) {
    const std::vector<std::string> values = {
        // 0.1 with all 64 mantissa bits; a double keeps only 53 of them
        floatValue({0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}),
        floatValue({0, 0, 0, 0, 0, 0, 0, 0x80, 0xE7, 0x73}),       // about 1e4000
        floatValue({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}),                // extended denormal
        floatValue({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}),       // +infinity
        floatValue({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}),       // -infinity
        floatValue({0x34, 0x12, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}), // NaN with a payload
        floatValue({0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80}),          // -0
        bytes({5, 0, 0, 0, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x0D, 0x40}), // date
    };
    for (const std::string& v : values)
        EXPECT_EQ(roundTrip(v), RegValue::binary(v)) << v.size();
}

TEST_F(RoundTripTest, aFloatThatWasChangedIsWrittenFromItsNewValue) {
    const std::string stored =
        floatValue({0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F});
    put(kKey, "v", RegValue::binary(stored));
    TPSetting s;
    s.Name = "v";
    s.RestoreValue(registry_, kKey);
    EXPECT_NEAR(s.AsFloat(), 0.1, 1e-16);
    s.SetAsFloat(1.5);
    s.SaveValue(registry_, kKey, true);
    EXPECT_EQ(this->stored(kKey, "v"),
              RegValue::binary(floatValue({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F})));
    s.SetAsString("C:\\Lists");
    s.SaveValue(registry_, kKey, true);
    EXPECT_EQ(this->stored(kKey, "v"), RegValue::text("C:\\Lists"));
}

TEST(ExtendedNaN, aDoublesNaNPayloadAndSignSurviveTheTenBytes) {
    for (std::uint64_t bits :
         {0x7FF8000000000001ULL, 0xFFF4000000001234ULL, 0x7FF0000000000001ULL}) {
        double nan = 0;
        std::memcpy(&nan, &bits, sizeof nan);
        const double back = pbinary::fromExtended(pbinary::toExtended(nan));
        std::uint64_t backBits = 0;
        std::memcpy(&backBits, &back, sizeof back);
        EXPECT_EQ(backBits, bits) << std::hex << bits;
    }
    // An extended NaN whose payload lies below a double's reach is still a NaN.
    EXPECT_TRUE(std::isnan(pbinary::fromExtended(std::string("\x01\0\0\0\0\0\0\x80\xFF\x7F", 10))));
}

TEST_F(RoundTripTest, aSectionKeepsOneWidthWhetherItIsMadeOrRestored) {
    // MaxWidth 10 and no stored width: the new item's width of 50 is held to 10 at once,
    // as it would be at every later start.
    const std::string value = bytes({9, 0, 0, 0, 0x0E, 1, 8}) + "MaxWidth" + bytes({2, 10, 4}) +
                              "Text" + bytes({6, 1, 'A', 0, 0});
    put(kKey + "\\hdrDairy", "Sections", RegValue::binary(value));
    TPSetting s(&window_);
    s.SetWindow(&window_);
    s.BoundProperty = "hdrDairy.Sections";
    s.RestoreValue(registry_, kKey);
    EXPECT_EQ(header_->sectionWidths(), std::vector<int>{10});
    s.SaveValue(registry_, kKey, true);
    header_->setSections({{"x", 70}});
    s.RestoreValue(registry_, kKey);
    EXPECT_EQ(header_->sectionWidths(), std::vector<int>{10});

    // The limits hold whichever property comes first.
    auto* item = header_->sectionsCollection()->item(0);
    item->setProperty("MaxWidth", 500);
    item->setProperty("Width", 400);
    item->setProperty("MinWidth", 450);
    EXPECT_EQ(header_->sectionWidths(), std::vector<int>{450});
    item->setProperty("MaxWidth", 20);
    EXPECT_EQ(header_->sectionWidths(), std::vector<int>{450});
}

TEST_F(RoundTripTest, unpairedSurrogatesInASectionTextSurviveTheStore) {
    const QString lone = QString(QChar(0xD800)) + "a" + QChar(0xDC00) + QChar(0xDFFF);
    header_->setSections({{lone, 80}, {QString::fromUtf8("K\xC3\xA4se"), 60}});
    const std::string saved = sections();
    header_->setSections({});
    EXPECT_TRUE(pcollection::decodeCollection(header_->sectionsCollection(), saved));
    ASSERT_EQ(header_->sectionCount(), 2);
    EXPECT_EQ(header_->section(0).text, lone);
    EXPECT_EQ(header_->section(1).text, QString::fromUtf8("K\xC3\xA4se"));
}

TEST_F(RoundTripTest, anAcceptedSectionsValueGoesBackByteForByte) {
    // Texts in the wide and long forms, an item index, a Boolean spelled as a name and
    // UTF-8 that is not valid: all accepted, none in the form this program writes.
    const std::string value = bytes({9, 0, 0, 0, 0x0E, 0x02, 0x00, 0x01, 4}) + "Text" +
                              bytes({0x12, 2, 0, 0, 0, 'O', 0, 'K', 0, 5}) + "Width" +
                              bytes({4, 10, 0, 0, 0}) + bytes({10}) + "AllowClick" + bytes({7, 5}) +
                              "false" + bytes({0, 0x01, 4}) + "Text" +
                              bytes({0x14, 2, 0, 0, 0, 0xC3, 0x28, 0}) + bytes({0x01, 4}) + "Text" +
                              bytes({0x0C, 1, 0, 0, 0, 'L', 0, 0});
    EXPECT_EQ(roundTrip(value, "hdrDairy.Sections"), RegValue::binary(value));
    EXPECT_EQ(header_->sectionCount(), 3);

    // A value read only in part is written back in sound form.
    const std::string cut = value.substr(0, value.size() - 5);
    const auto rewritten = roundTrip(cut, "hdrDairy.Sections");
    ASSERT_TRUE(rewritten);
    EXPECT_EQ(rewritten->data, bytes({9, 0, 0, 0}) + sections());
}

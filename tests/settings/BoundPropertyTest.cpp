#include "RegistryFixture.h"
#include "controls/HeaderControl.h"
#include "controls/PageControl.h"
#include "settings/PCollection.h"
#include "settings/PSetting.h"

#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

using platform::RegValue;

namespace {

class Probe : public QObject {
    Q_OBJECT
    Q_CLASSINFO("Hidden:Blob", "raw")
    Q_CLASSINFO("Hidden:Pair", "typed")
    Q_PROPERTY(int Count MEMBER count)
    Q_PROPERTY(TMode Mode MEMBER mode)
    Q_PROPERTY(bool Flag MEMBER flag)
    Q_PROPERTY(double Ratio MEMBER ratio)
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_PROPERTY(TOptions Options READ getOptions WRITE setOptions)
    Q_PROPERTY(QStringList Lines MEMBER lines)
    Q_PROPERTY(QPushButton* Button MEMBER button)
    Q_PROPERTY(QVariant Extra MEMBER extra)
    Q_PROPERTY(QDateTime When MEMBER when)
public:
    enum TMode { mdOne, mdTwo };
    Q_ENUM(TMode)
    enum TOption { opA = 1, opB = 2, opC = 4 };
    Q_DECLARE_FLAGS(TOptions, TOption)
    Q_FLAG(TOptions)

    TOptions getOptions() const { return options; }
    void setOptions(TOptions o) { options = o; }
    Q_INVOKABLE QByteArray writeBlob() { return blob; }
    Q_INVOKABLE void readBlob(const QByteArray& data) { blob = data; }
    Q_INVOKABLE QVariantList writePair() { return pair; }
    Q_INVOKABLE void readPair(const QVariantList& values) { pair = values; }

    int count = 0;
    TMode mode = mdOne;
    bool flag = false;
    double ratio = 0;
    QString caption;
    TOptions options;
    QStringList lines;
    QPushButton* button = nullptr;
    QVariant extra;
    QDateTime when;
    QByteArray blob;
    QVariantList pair;
};

const std::string kKey = "Software\\Co\\App\\frmMain";

template <typename F> std::string errorOf(F&& f) {
    try {
        f();
    } catch (const EPSettingException& e) {
        return e.what();
    }
    return "(no error)";
}

std::string sectionsValue() {
    return bytes({9, 0, 0, 0, 0x0E, 0x01, 0x0A}) + "ImageIndex" + bytes({2, 0xFF, 4}) + "Text" +
           bytes({6, 4}) + "Item" + bytes({5}) + "Width" + bytes({3, 0x2C, 0x01, 0, 1, 0x0A}) +
           "ImageIndex" + bytes({2, 0xFF, 4}) + "Text" + bytes({6, 8}) + "Quantity" + bytes({5}) +
           "Width" + bytes({2, 0x64, 0, 0});
}

class BoundPropertyTest : public RegistryFixture {
protected:
    BoundPropertyTest() {
        window_.setObjectName("frmMain");
        probe_ = new Probe;
        probe_->setParent(&window_);
        probe_->setObjectName("prb");
        header_ = new controls::HeaderControl(&window_);
        header_->setObjectName("hdrDairy");
        header_->setSections({{"Item", 300}, {"Quantity", 100}});
        pages_ = new controls::PageControl(&window_);
        pages_->setObjectName("pcFoodMain");
        for (const char* name : {"tsDairy", "tsMeat"}) {
            auto* sheet = new controls::TabSheet(QString(name).mid(2), pages_);
            sheet->setObjectName(name);
            pages_->addSheet(sheet);
        }
        button_ = new QPushButton(&window_);
        button_->setObjectName("btnA");
        auto* label = new QLabel(&window_);
        label->setObjectName("lblB");
    }

    TPSetting& bound(const std::string& path) {
        auto* s = new TPSetting(&window_);
        s->SetWindow(&window_);
        s->BoundProperty = path;
        return *s;
    }
    void restore(const std::string& path, const std::string& subkey, const std::string& name,
                 const RegValue& value) {
        put(kKey + "\\" + subkey, name, value);
        bound(path).RestoreValue(registry_, kKey);
    }

    QWidget window_;
    Probe* probe_;
    controls::HeaderControl* header_;
    controls::PageControl* pages_;
    QPushButton* button_;
};

} // namespace

TEST_F(BoundPropertyTest, designedHeaderSectionsAreThe79Bytes) {
    bound("hdrDairy.Sections").SaveValue(registry_, kKey, true);
    const auto value = stored(kKey + "\\hdrDairy", "Sections");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, platform::RegBinary);
    EXPECT_EQ(value->data.size(), 79u);
    EXPECT_EQ(value->data, sectionsValue());
}

TEST_F(BoundPropertyTest, storedSectionsRestoreTheWidths) {
    std::string value = sectionsValue();
    const std::size_t width = value.find("\x03\x2C\x01") + 1;
    value[width] = static_cast<char>(0xFA); // 300 becomes 250
    value[width + 1] = 0;
    value[value.size() - 3] = static_cast<char>(120);
    // The window's own name may lead the path; the value is still found under it.
    restore("frmMain.hdrDairy.Sections", "frmMain\\hdrDairy", "Sections", RegValue::binary(value));
    EXPECT_EQ(header_->sectionWidths(), (std::vector<int>{250, 120}));
    EXPECT_EQ(header_->section(1).text, "Quantity");
}

TEST_F(BoundPropertyTest, sectionsInEveryTextEncodingAndWithItemIndexes) {
    const std::string value =
        bytes({9, 0, 0, 0, 0x0E, 0x02, 0x00, 0x01, 4}) + "Text" +
        bytes({0x14, 3, 0, 0, 0, 'K', 0xC3, 0xA4}) + bytes({5}) + "Width" + bytes({2, 10, 0}) +
        bytes({0x03, 1, 0, 0x01, 4}) + "Text" + bytes({0x12, 2, 0, 0, 0, 'O', 0, 0xD6, 0}) +
        bytes({0, 0x04, 2, 0, 0, 0, 0x01, 4}) + "Text" + bytes({0x0C, 1, 0, 0, 0, 'L', 0}) +
        bytes({0x01, 9}) + "Alignment" + bytes({7, 8}) + "taCenter" + bytes({0, 0});
    restore("hdrDairy.Sections", "hdrDairy", "Sections", RegValue::binary(value));
    ASSERT_EQ(header_->sectionCount(), 4);
    EXPECT_EQ(header_->section(0).text, QString::fromUtf8("K\xC3\xA4"));
    EXPECT_EQ(header_->section(0).width, 10);
    EXPECT_EQ(header_->section(1).text, QString::fromUtf8("O\xC3\x96"));
    EXPECT_EQ(header_->section(2).text, "L");
    EXPECT_EQ(header_->sectionsCollection()->item(3)->property("Alignment").toInt(), 2);
}

TEST_F(BoundPropertyTest, sectionTextsPickTheShorterEncodingAndWidthsStayInRange) {
    header_->setSections({{QString::fromUtf8("K\xC3\xA4se"), 50},
                          {QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"), 50}});
    header_->sectionsCollection()->item(0)->setProperty("Width", 20000);
    header_->sectionsCollection()->item(1)->setProperty("Width", -5);
    EXPECT_EQ(pcollection::encodeCollection(header_->sectionsCollection()),
              bytes({0x0E, 1, 10}) + "ImageIndex" + bytes({2, 0xFF, 4}) + "Text" +
                  bytes({0x14, 5, 0, 0, 0, 'K', 0xC3, 0xA4, 's', 'e', 5}) + "Width" +
                  bytes({3, 0x10, 0x27, 0, 1, 10}) + "ImageIndex" + bytes({2, 0xFF, 4}) + "Text" +
                  bytes({0x12, 2, 0, 0, 0, 0xE5, 0x65, 0x2C, 0x67, 5}) + "Width" +
                  bytes({2, 0, 0, 0}));
}

TEST_F(BoundPropertyTest, emptyOrBrokenSectionValuesKeepWhatTheyCannotReplace) {
    restore("hdrDairy.Sections", "hdrDairy", "Sections",
            RegValue::binary(bytes({9, 0, 0, 0, 0x0E, 0})));
    EXPECT_EQ(header_->sectionWidths(), (std::vector<int>{300, 100}));

    // An unknown property stops the reading: one item, partly filled.
    const std::string unknown = bytes({9, 0, 0, 0, 0x0E, 1, 5}) + "Width" + bytes({2, 77, 5}) +
                                "Bogus" + bytes({2, 1}) + "trailing";
    restore("hdrDairy.Sections", "hdrDairy", "Sections", RegValue::binary(unknown));
    EXPECT_EQ(header_->sectionWidths(), std::vector<int>{77});
}

TEST_F(BoundPropertyTest, sectionDecoderSurvivesEveryTruncationAndByte) {
    const std::string good = sectionsValue();
    for (std::size_t cut = 0; cut < good.size(); cut += 7) {
        restore("hdrDairy.Sections", "hdrDairy", "Sections", RegValue::binary(good.substr(0, cut)));
        EXPECT_LE(header_->sectionCount(), 2);
    }
    // The decoder alone, without the store, for every byte at every place.
    const std::string encoding = good.substr(4);
    for (std::size_t at = 0; at < encoding.size(); ++at)
        for (int b = 0; b < 256; ++b) {
            std::string bad = encoding;
            bad[at] = static_cast<char>(b);
            pcollection::decodeCollection(header_->sectionsCollection(), bad);
            pcollection::decodeCollection(header_->sectionsCollection(), bad.substr(0, at + 1));
        }
    restore("hdrDairy.Sections", "hdrDairy", "Sections", RegValue::binary(good));
    EXPECT_EQ(header_->sectionWidths(), (std::vector<int>{300, 100}));
}

TEST_F(BoundPropertyTest, booleanPropertyIsTextAndTakesAnyCase) {
    probe_->flag = true;
    bound("prb.Flag").SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\prb", "Flag"), RegValue::text("True"));
    restore("prb.Flag", "prb", "Flag", RegValue::text("fALSE"));
    EXPECT_FALSE(probe_->flag);
    restore("prb.Flag", "prb", "Flag", RegValue::text("true"));
    EXPECT_TRUE(probe_->flag);
    restore("prb.Flag", "prb", "Flag", RegValue::text("yes"));
    EXPECT_TRUE(probe_->flag);
}

TEST_F(BoundPropertyTest, activePageIsStoredByNameAndOnlyAPageIsTaken) {
    bound("pcFoodMain.ActivePage").SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\pcFoodMain", "ActivePage"), RegValue::text("tsDairy"));
    restore("pcFoodMain.ActivePage", "pcFoodMain", "ActivePage", RegValue::text("tsMeat"));
    EXPECT_EQ(pages_->activePage()->objectName(), "tsMeat");
    for (const char* other : {"tsNowhere", "", "hdrDairy"}) {
        restore("pcFoodMain.ActivePage", "pcFoodMain", "ActivePage", RegValue::text(other));
        EXPECT_EQ(pages_->activePage()->objectName(), "tsMeat") << other;
    }
    // A component of a class the property cannot hold is not assigned.
    probe_->button = button_;
    restore("prb.Button", "prb", "Button", RegValue::text("lblB"));
    EXPECT_EQ(probe_->button, button_);
}

TEST_F(BoundPropertyTest, aSettingFollowsItsComponentWhenItIsRenamedOrReplaced) {
    TPSetting& s = bound("prb.Count");
    probe_->count = 4;
    s.SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\prb", "Count"), RegValue::dword(4));

    // The remembered component no longer carries the name: the new bearer is used.
    probe_->setObjectName("old");
    auto* second = new Probe;
    second->setParent(&window_);
    second->setObjectName("prb");
    second->count = 9;
    s.SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\prb", "Count"), RegValue::dword(9));

    // The remembered component is gone, or has left the window.
    delete second;
    probe_->setObjectName("prb");
    s.SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\prb", "Count"), RegValue::dword(4));
    QObject elsewhere;
    probe_->setParent(&elsewhere);
    probe_->count = 6;
    s.SaveValue(registry_, kKey, true);
    probe_->setParent(&window_);
    EXPECT_NE(stored(kKey + "\\prb", "Count"), RegValue::dword(6));
}

TEST_F(BoundPropertyTest, propertiesOfEveryTypeReadAndApply) {
    restore("prb.Count", "prb", "Count", RegValue::text("3.7"));
    EXPECT_EQ(probe_->count, 3);
    restore("prb.Count", "prb", "Count", RegValue::text("many"));
    EXPECT_EQ(probe_->count, 3);
    restore("prb.Count", "prb", "Count", RegValue::dword(12));
    EXPECT_EQ(probe_->count, 12);

    restore("prb.Mode", "prb", "Mode", RegValue::text("MDTWO"));
    EXPECT_EQ(probe_->mode, Probe::mdTwo);
    restore("prb.Mode", "prb", "Mode", RegValue::text("mdThree"));
    EXPECT_EQ(probe_->mode, Probe::mdTwo);

    restore("prb.Ratio", "prb", "Ratio", RegValue::text("0.25"));
    EXPECT_EQ(probe_->ratio, 0.25);
    restore("prb.Caption", "prb", "Caption", RegValue::text(""));
    EXPECT_EQ(probe_->caption, "");
    restore("prb.Options", "prb", "Options", RegValue::text("opC,OPA,nothing"));
    EXPECT_EQ(int(probe_->options), Probe::opA | Probe::opC);
    bound("prb.Options").SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\prb", "Options"), RegValue::text("opA,opC"));

    probe_->lines = {"old"};
    restore("prb.Lines", "prb", "Lines",
            RegValue::binary(bytes({7, 0, 0, 0, 5, 0, 0, 0}) + "a,\"b\""));
    EXPECT_EQ(probe_->lines, (QStringList{"a", "b"}));
    bound("prb.Lines").SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\prb", "Lines"),
              RegValue::binary(bytes({7, 0, 0, 0, 3, 0, 0, 0}) + "a,b"));

    restore("prb.Extra", "prb", "Extra", RegValue::binary(bytes({6, 0, 0, 0, 1, 0, 0, 0, 'x'})));
    EXPECT_EQ(probe_->extra.toString(), "x");

    probe_->when = QDateTime(QDate(1900, 1, 1), QTime(12, 0));
    TPSetting& when = bound("prb.When");
    EXPECT_DOUBLE_EQ(when.AsFloat(), 2.5);
    when.SetAsFloat(3.25);
    EXPECT_EQ(probe_->when, QDateTime(QDate(1900, 1, 2), QTime(6, 0)));
}

TEST_F(BoundPropertyTest, writeThroughAndReadThrough) {
    TPSetting& caption = bound("tsDairy.Caption");
    caption.SetAsString("Milk things");
    EXPECT_EQ(pages_->sheet(0)->caption(), "Milk things");
    pages_->sheet(0)->setCaption("Dairy");
    EXPECT_EQ(caption.AsString(), "Dairy");

    TPSetting& nowhere = bound("nobody.Caption");
    nowhere.SetAsString("x");
    EXPECT_EQ(nowhere.AsString(), ""); // reading a path that leads nowhere gives nothing
}

TEST_F(BoundPropertyTest, collectionsAndHiddenValuesRefuseTheAccessors) {
    const std::string setRefused =
        "Cannot use SetAs functions with collections or hidden properties";
    const std::string getRefused =
        "Cannot use GetAs functions with collections or hidden properties";
    for (const char* path : {"hdrDairy.Sections", "prb.Blob"}) {
        TPSetting& s = bound(path);
        EXPECT_EQ(errorOf([&] { s.AsString(); }), getRefused) << path;
        EXPECT_EQ(errorOf([&] { s.AsBoolean(); }), getRefused) << path;
        std::vector<std::string> list;
        EXPECT_EQ(errorOf([&] { s.AsStrings(list); }), getRefused) << path;
        EXPECT_EQ(errorOf([&] { s.SetAsInteger(1); }), setRefused) << path;
        EXPECT_EQ(errorOf([&] { s.SetAsVariant(QVariantList{}); }), setRefused) << path;
    }
}

TEST_F(BoundPropertyTest, hiddenPropertiesUseTheirOwnWriterAndReader) {
    probe_->blob = QByteArray("\x01\x00\xFFraw", 6);
    bound("prb.Blob").SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\prb", "Blob"),
              RegValue::binary(bytes({8, 0, 0, 0}) + std::string("\x01\x00\xFFraw", 6)));
    restore("prb.Blob", "prb", "Blob", RegValue::binary(bytes({8, 0, 0, 0, 'n', 'e', 'w'})));
    EXPECT_EQ(probe_->blob, "new");

    // A typed writer's values go in the item encoding.
    probe_->pair = {300, QString("x"), true};
    bound("prb.Pair").SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\prb", "Pair"),
              RegValue::binary(bytes({8, 0, 0, 0, 3, 0x2C, 1, 6, 1, 'x', 9})));
    probe_->pair.clear();
    bound("prb.Pair").RestoreValue(registry_, kKey);
    ASSERT_EQ(probe_->pair.size(), 3);
    EXPECT_EQ(probe_->pair[0].toInt(), 300);
    EXPECT_EQ(probe_->pair[1].toString(), "x");
    EXPECT_EQ(probe_->pair[2].toBool(), true);
}

TEST_F(BoundPropertyTest, saveAllOffDeletesOnlyUnchangedValuesAndOnlyEmptyKeys) {
    TPSetting& caption = bound("tsDairy.Caption");
    TPSetting& count = bound("tsDairy.Other.Count");
    caption.TakeDesignValue();
    caption.SaveValue(registry_, kKey, true);
    ASSERT_TRUE(stored(kKey + "\\tsDairy", "Caption"));
    put(kKey + "\\tsDairy\\Other", "Count", RegValue::dword(1));

    // Unchanged: the value goes, the key stays while a subkey holds a value.
    caption.SaveValue(registry_, kKey, false);
    EXPECT_FALSE(stored(kKey + "\\tsDairy", "Caption"));
    EXPECT_TRUE(keyExists(kKey + "\\tsDairy"));
    EXPECT_EQ(stored(kKey + "\\tsDairy\\Other", "Count"), RegValue::dword(1));

    // Changed: written even with SaveAll off.
    pages_->sheet(0)->setCaption("Milk");
    caption.SaveValue(registry_, kKey, false);
    EXPECT_EQ(stored(kKey + "\\tsDairy", "Caption"), RegValue::text("Milk"));

    // Back to the design value and nothing else below: the key goes too.
    pages_->sheet(0)->setCaption("Dairy");
    store_.deleteKey(platform::RootKey::CurrentUser, kKey + "\\tsDairy\\Other");
    caption.SaveValue(registry_, kKey, false);
    EXPECT_FALSE(keyExists(kKey + "\\tsDairy"));
    EXPECT_TRUE(keyExists(kKey));
    (void)count;
}

#include "BoundPropertyTest.moc"

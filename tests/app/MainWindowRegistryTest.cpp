// The main window's values in the registry over whole runs: first start and close,
// second start, the application values and the end of the run.
#include "app/GlobalData.h"
#include "app/Main.h"
#include "app/ModalSeam.h"
#include "controls/BalloonHints.h"
#include "controls/CheckListBox.h"
#include "controls/HeaderControl.h"
#include "controls/PageControl.h"
#include "platform/FileRegistryStore.h"
#include "settings/PSettings.h"
#include "settings/PlacementRules.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <gtest/gtest.h>
#include <map>

using platform::RegValue;

namespace {

const std::string kRoot = "Software\\Quillmere Software\\Provendo\\1.0";
const std::string kForm = kRoot + "\\frmMain";
const std::string kApp = kRoot + "\\AppSettings";

std::string hex(std::initializer_list<int> list) {
    std::string out;
    for (int b : list)
        out.push_back(static_cast<char>(b));
    return out;
}

std::string shortText(const std::string& text) {
    return std::string(1, static_cast<char>(text.size())) + text;
}

// The designed header, "Item" 300 and "Quantity" 100 pixels wide.
const std::string kDesignedSections =
    hex({9, 0, 0, 0, 0x0E, 0x01}) + shortText("ImageIndex") + hex({0x02, 0xFF}) +
    shortText("Text") + hex({0x06}) + shortText("Item") + shortText("Width") +
    hex({0x03, 0x2C, 0x01, 0x00, 0x01}) + shortText("ImageIndex") + hex({0x02, 0xFF}) +
    shortText("Text") + hex({0x06}) + shortText("Quantity") + shortText("Width") +
    hex({0x02, 0x64, 0x00, 0x00});

class MainWindowRegistry : public testing::Test {
protected:
    void SetUp() override {
        GlobalData::gBalloonHints = true;
        GlobalData::gPath.clear();
        ModalSeam::clear();
    }

    std::unique_ptr<TfrmMain> start() {
        auto window = std::make_unique<TfrmMain>();
        window->show();
        QApplication::processEvents();
        return window;
    }
    // Close box, then the end of the run.
    static void finish(std::unique_ptr<TfrmMain> window) {
        window->close();
        window.reset();
    }

    // Every value under the program's key, as "subkey path|value name".
    std::map<std::string, RegValue> everything(const std::string& path = kRoot) {
        std::map<std::string, RegValue> out;
        auto key = dir.registry().openKey(platform::RootKey::CurrentUser, path, false);
        if (!key)
            return out;
        for (const std::string& name : key->valueNames())
            out[path.substr(kRoot.size()) + "|" + name] = *key->value(name);
        for (const std::string& sub : key->subkeyNames())
            out.merge(everything(path + "\\" + sub));
        return out;
    }
    std::optional<RegValue> stored(const std::string& path, const std::string& name) {
        auto key = dir.registry().openKey(platform::RootKey::CurrentUser, path, false);
        return key ? key->value(name) : std::nullopt;
    }
    void put(const std::string& path, const std::string& name, const RegValue& value) {
        dir.registry().openKey(platform::RootKey::CurrentUser, path, true)->setValue(name, value);
    }
    template <class T> static T* child(TfrmMain& w, const char* name) {
        return w.findChild<T*>(QString::fromLatin1(name));
    }

    TempAppDir dir;
};

} // namespace

TEST_F(MainWindowRegistry, firstRunLeavesExactlyTheDocumentedKeysAndBytes) {
    auto window = start();
    const QRect normal(window->pos(), window->size()); // frame position, inner size
    const QSize screen = window->screen()->size();
    finish(std::move(window));

    std::map<std::string, RegValue> expected = {
        {"\\frmMain|Left", RegValue::dword(static_cast<std::uint32_t>(normal.x()))},
        {"\\frmMain|Top", RegValue::dword(static_cast<std::uint32_t>(normal.y()))},
        {"\\frmMain|Width", RegValue::dword(static_cast<std::uint32_t>(normal.width()))},
        {"\\frmMain|Height", RegValue::dword(static_cast<std::uint32_t>(normal.height()))},
        {"\\frmMain|MainForm", RegValue::binary(hex({4, 0, 0, 0, 1}))},
        {"\\frmMain|State", RegValue::dword(0)},
        {"\\frmMain|ScreenRes",
         RegValue::text(std::to_string(screen.width()) + "x" + std::to_string(screen.height()))},
        {"\\frmMain|MRUList", RegValue::binary(hex({7, 0, 0, 0, 0, 0, 0, 0}))},
        {"\\frmMain\\MainMenuToolsBalloons|Checked", RegValue::text("True")},
        {"\\frmMain\\pcFoodMain|ActivePage", RegValue::text("tsDairy")},
        {"\\AppSettings|gBalloonHints", RegValue::binary(hex({4, 0, 0, 0, 1}))},
    };
    for (const char* header : {"hdrDairy", "hdrDrinks", "hdrFreezer", "hdrFruits", "hdrGrains",
                               "hdrMeat", "hdrMisc", "hdrVeggies"})
        expected[std::string("\\frmMain\\") + header + "|Sections"] =
            RegValue::binary(kDesignedSections);
    for (const auto& [page, caption] :
         std::map<std::string, std::string>{{"tsBaby", "Baby"},
                                            {"tsCans", "Cans"},
                                            {"tsDairy", "Dairy"},
                                            {"tsDrinks", "Drinks"},
                                            {"tsFreezer", "Freezer"},
                                            {"tsFruits", "Fruits"},
                                            {"tsGrains", "Grains"},
                                            {"tsMeat", "Meat"},
                                            {"tsMisc", "Misc"},
                                            {"tsVegetables", "Vegetables"}})
        expected["\\frmMain\\" + page + "|Caption"] = RegValue::text(caption);
    EXPECT_EQ(kDesignedSections.size(), 4u + 75u);
    EXPECT_EQ(everything(), expected);
    EXPECT_TRUE(ModalSeam::history().empty());
}

TEST_F(MainWindowRegistry, secondRunComesBackAsTheUserLeftIt) {
    {
        auto window = start();
        window->move(40, 30);
        window->resize(600, 500);
        child<controls::PageControl>(*window, "pcFoodMain")
            ->setActivePage(child<QWidget>(*window, "tsFreezer"));
        child<controls::HeaderControl>(*window, "hdrMeat")->resizeSection(0, 222);
        child<controls::HeaderControl>(*window, "hdrBaby")->resizeSection(0, 111);
        child<controls::HeaderControl>(*window, "hdrCans")->resizeSection(1, 55);
        child<controls::TabSheet>(*window, "tsMeat")->setCaption(QStringLiteral("Fish"));
        child<controls::TabSheet>(*window, "tsGrains")->setCaption(QString());
        // The tick alone changes; the flag stays on.
        child<QAction>(*window, "MainMenuToolsBalloons")->setChecked(false);
        finish(std::move(window));
    }
    auto window = start();
    EXPECT_EQ(window->pos(), QPoint(40, 30));
    EXPECT_EQ(window->size(), QSize(600, 500));
    EXPECT_EQ(window->pageControl()->activePage()->objectName(), "tsFreezer");
    EXPECT_EQ(child<controls::HeaderControl>(*window, "hdrMeat")->sectionWidths(),
              (std::vector<int>{222, 100}));
    // Restored widths reach the header only: the list keeps its designed stops until
    // an add, an Open or a resize by the user.
    EXPECT_EQ(window->page(1).list->tabStops(), (std::vector<int>{8, 16, 24, -32}));
    EXPECT_EQ(child<controls::HeaderControl>(*window, "hdrBaby")->sectionWidths(),
              (std::vector<int>{300, 100}));
    EXPECT_EQ(child<controls::HeaderControl>(*window, "hdrCans")->sectionWidths(),
              (std::vector<int>{300, 100}));
    EXPECT_EQ(child<controls::TabSheet>(*window, "tsMeat")->caption(), "Fish");
    EXPECT_EQ(child<controls::TabSheet>(*window, "tsGrains")->caption(), "");
    EXPECT_FALSE(child<QAction>(*window, "MainMenuToolsBalloons")->isChecked());
    EXPECT_TRUE(GlobalData::gBalloonHints);
    EXPECT_TRUE(window->balloonHints()->showBalloon());
}

TEST_F(MainWindowRegistry, balloonFlagAndTickAreRestoredApart) {
    put(kForm + "\\MainMenuToolsBalloons", "Checked", RegValue::text("True"));
    put(kApp, "gBalloonHints", RegValue::binary(hex({4, 0, 0, 0, 0})));
    auto window = start();
    EXPECT_TRUE(child<QAction>(*window, "MainMenuToolsBalloons")->isChecked());
    EXPECT_FALSE(GlobalData::gBalloonHints);
    EXPECT_FALSE(window->balloonHints()->showBalloon());

    // The hide step writes the flag as it is at the end, whatever the tick says.
    child<QAction>(*window, "MainMenuToolsBalloons")->trigger();
    child<QAction>(*window, "MainMenuToolsBalloons")->trigger();
    finish(std::move(window));
    EXPECT_EQ(stored(kApp, "gBalloonHints"), RegValue::binary(hex({4, 0, 0, 0, 1})));
}

TEST_F(MainWindowRegistry, listsFolderComesFromGPathOnlyWhenStoredAndIsKept) {
    finish(start());
    EXPECT_EQ(GlobalData::gPath, dir.path() + "Lists");
    EXPECT_FALSE(stored(kApp, "gPath"));

    put(kApp, "gPath", RegValue::text("/home/someone/Shopping"));
    auto window = start();
    EXPECT_EQ(GlobalData::gPath, "/home/someone/Shopping");
    GlobalData::gPath = "/elsewhere"; // a file command's choice is not written back
    finish(std::move(window));
    EXPECT_EQ(stored(kApp, "gPath"), RegValue::text("/home/someone/Shopping"));
}

TEST_F(MainWindowRegistry, applicationMinimisedAtTheEndStartsMinimisedAgain) {
    finish(start());
    put(kForm, "State", RegValue::dword(1));
    auto window = start();
    QApplication::processEvents();
    EXPECT_TRUE(window->isMinimized());
    finish(std::move(window));
    EXPECT_EQ(stored(kForm, "State"), RegValue::dword(1));
    EXPECT_EQ(stored(kForm, "MainForm"), RegValue::binary(hex({4, 0, 0, 0, 1})));

    put(kForm, "State", RegValue::dword(2));
    window = start();
    EXPECT_TRUE(window->isMaximized());
    finish(std::move(window));
    EXPECT_EQ(stored(kForm, "State"), RegValue::dword(2));
}

TEST_F(MainWindowRegistry, aRefusedCloseSavedItsValuesAndTheNextCloseDoesNotSaveAgain) {
    GlobalData::gCurrentFile = dir.file("list.slf");
    auto window = start();
    window->document().list(0).append("Milk\t2");
    window->setModified();
    ModalSeam::pushButton(QMessageBox::Yes); // "Save changes?": saved, the window stays
    EXPECT_FALSE(window->close());
    EXPECT_EQ(stored(kForm + "\\pcFoodMain", "ActivePage"), RegValue::text("tsDairy"));

    child<controls::PageControl>(*window, "pcFoodMain")
        ->setActivePage(child<QWidget>(*window, "tsMeat"));
    EXPECT_TRUE(window->close());
    window.reset();
    EXPECT_EQ(stored(kForm + "\\pcFoodMain", "ActivePage"), RegValue::text("tsDairy"));
    EXPECT_EQ(ModalSeam::history().size(), 1u);
    GlobalData::gCurrentFile.clear();
}

TEST_F(MainWindowRegistry, storedPlacementIsBroughtOntoTheScreen) {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const std::string now = std::to_string(screen.width()) + "x" + std::to_string(screen.height());
    struct Case {
        std::string res;
        int left, top, expectLeft, expectTop;
    };
    const Case cases[] = {
        // Same resolution: the title bar and a useful part of the window stay showing.
        {now, 5000, 4000, screen.width() - placement::kVisibleWidth,
         screen.height() - placement::kVisibleHeight},
        // Another resolution: moved in until the right and bottom edges show.
        {"1x1", 5000, 4000, screen.width() - 300, screen.height() - 200},
        {now, -50, -7, 0, 0},
        {"1x1", -50, 10, 0, 10},
    };
    for (const Case& c : cases) {
        put(kForm, "ScreenRes", RegValue::text(c.res));
        put(kForm, "Left", RegValue::dword(static_cast<std::uint32_t>(c.left)));
        put(kForm, "Top", RegValue::dword(static_cast<std::uint32_t>(c.top)));
        put(kForm, "Width", RegValue::dword(300));
        put(kForm, "Height", RegValue::dword(200));
        TfrmMain window;
        EXPECT_EQ(window.pos(), QPoint(c.expectLeft, c.expectTop)) << c.res << " " << c.left;
        EXPECT_EQ(window.size(), QSize(300, 200));
    }
}

namespace {

// A registry whose backing file cannot be written, as on a full or read-only disk.
class UnwritableStore : public platform::FileRegistryStore {
public:
    using FileRegistryStore::FileRegistryStore;
    std::string lastWriteError() const override { return "Cannot create file \"x\". Disk full"; }
};

} // namespace

TEST_F(MainWindowRegistry, aFailedSaveIsShownOnceAndTheWindowStillCloses) {
    QTemporaryDir folder;
    UnwritableStore store(folder.path().toStdString(), {});
    platform::setRegistryStoreForTesting(&store);
    auto window = start();
    ModalSeam::pushButton(QMessageBox::Ok);
    ModalSeam::pushButton(QMessageBox::Ok);
    window->close();
    EXPECT_FALSE(window->isVisible());
    window.reset();
    platform::setRegistryStoreForTesting(&dir.registry());
    ASSERT_EQ(ModalSeam::history().size(), 1u);
    EXPECT_EQ(ModalSeam::history()[0].text, "Cannot create file \"x\". Disk full.");
    EXPECT_EQ(ModalSeam::history()[0].icon, QMessageBox::Critical);
    ModalSeam::clear();
}

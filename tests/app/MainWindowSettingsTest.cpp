#include "app/Main.h"
#include "controls/HeaderControl.h"
#include "controls/PageControl.h"
#include "settings/PSetting.h"
#include "tests/settings/RegistryFixture.h"
#include "tests/support/TempDir.h"

#include <QAction>

using platform::RegValue;

namespace {

const std::string kKey = "Software\\Quillmere Software\\Provendo\\1.0\\frmMain";

// The bound paths of the main window, against the real window's components.
class MainWindowSettingsTest : public RegistryFixture {
protected:
    MainWindowSettingsTest() : window_(std::make_unique<TfrmMain>()) {}

    TPSetting& bound(const std::string& path) {
        auto* s = new TPSetting(window_.get());
        s->SetWindow(window_.get());
        s->BoundProperty = path;
        return *s;
    }

    TempAppDir dir;
    std::unique_ptr<TfrmMain> window_;
};

} // namespace

TEST_F(MainWindowSettingsTest, designedWindowStoresItsDocumentedValues) {
    for (const char* path : {"MainMenuToolsBalloons.Checked", "pcFoodMain.ActivePage",
                             "hdrDairy.Sections", "hdrVeggies.Sections", "tsVegetables.Caption"})
        bound(path).SaveValue(registry_, kKey, true);
    EXPECT_EQ(stored(kKey + "\\MainMenuToolsBalloons", "Checked"), RegValue::text("True"));
    EXPECT_EQ(stored(kKey + "\\pcFoodMain", "ActivePage"), RegValue::text("tsDairy"));
    EXPECT_EQ(stored(kKey + "\\tsVegetables", "Caption"), RegValue::text("Vegetables"));
    const auto sections = stored(kKey + "\\hdrDairy", "Sections");
    ASSERT_TRUE(sections);
    EXPECT_EQ(sections->data.size(), 79u);
    EXPECT_EQ(stored(kKey + "\\hdrVeggies", "Sections"), sections);
}

TEST_F(MainWindowSettingsTest, storedValuesReachTheWindow) {
    put(kKey + "\\MainMenuToolsBalloons", "Checked", RegValue::text("False"));
    put(kKey + "\\pcFoodMain", "ActivePage", RegValue::text("tsNotes"));
    put(kKey + "\\tsMeat", "Caption", RegValue::text("Fish"));
    for (const char* path :
         {"MainMenuToolsBalloons.Checked", "pcFoodMain.ActivePage", "tsMeat.Caption"})
        bound(path).RestoreValue(registry_, kKey);
    EXPECT_FALSE(window_->findChild<QAction*>("MainMenuToolsBalloons")->isChecked());
    EXPECT_EQ(window_->findChild<controls::PageControl*>("pcFoodMain")->activePage()->objectName(),
              "tsNotes");
    EXPECT_EQ(window_->findChild<controls::TabSheet*>("tsMeat")->caption(), "Fish");
}

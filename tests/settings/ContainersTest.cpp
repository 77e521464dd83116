// The two settings containers on windows of their own: key paths, lookups, the events
// around a save or restore, linking, the recently-used list, the restart request and
// the one-save-per-close rule.
#include "platform/FileRegistryStore.h"
#include "settings/PAppSettings.h"
#include "settings/PFormSettings.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using platform::RegValue;

namespace {

// A window that may refuse to close, with one text field bound by its settings.
class Window : public QWidget {
public:
    Window() {
        setObjectName(QStringLiteral("frmTest"));
        field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("edName"));
        resize(300, 200);
    }
    bool refuseClose = false;
    QLineEdit* field;

protected:
    void closeEvent(QCloseEvent* event) override { event->setAccepted(!refuseClose); }
};

class Containers : public testing::Test {
protected:
    std::optional<RegValue> stored(const std::string& path, const std::string& name) {
        auto key = dir.registry().openKey(platform::RootKey::CurrentUser, path, false);
        return key ? key->value(name) : std::nullopt;
    }
    void put(const std::string& path, const std::string& name, const RegValue& value) {
        dir.registry().openKey(platform::RootKey::CurrentUser, path, true)->setValue(name, value);
    }
    static void named(TPSettings& s) {
        s.SetCompanyName("Co");
        s.SetSoftwareName("Soft");
        s.SetSoftwareVersion("2");
    }

    TempAppDir dir;
};

} // namespace

TEST_F(Containers, keyPathLeavesOutEmptyLevelsAndTakesTheWindowKeyName) {
    Window window;
    auto* form = new TPFormSettings(&window);
    auto* app = new TPAppSettings(&window);
    form->SetCompanyName({});
    app->SetCompanyName({});
    EXPECT_EQ(form->RegistryKeyPath(), "Software\\frmTest");
    EXPECT_EQ(app->RegistryKeyPath(), "Software\\AppSettings");

    form->SetSoftwareVersion("1.0");
    EXPECT_EQ(form->RegistryKeyPath(), "Software\\1.0\\frmTest");
    named(*form);
    named(*app);
    EXPECT_EQ(form->RegistryKeyPath(), "Software\\Co\\Soft\\2\\frmTest");
    EXPECT_EQ(app->RegistryKeyPath(), "Software\\Co\\Soft\\2\\AppSettings");

    form->OnSetFormKeyName = [](QObject*, std::string& name) { name += "Wide"; };
    EXPECT_EQ(form->RegistryKeyPath(), "Software\\Co\\Soft\\2\\frmTestWide");
}

TEST_F(Containers, companyNameDefaultsToTheMachinesRegisteredOrganisation) {
    Window window;
    EXPECT_EQ(TPFormSettings(&window).CompanyName(), "");
    QTemporaryDir machine;
    const std::string machineFile = machine.path().toStdString() + "/lm.reg";
    writeBytes(machineFile, "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\"
                            "CurrentVersion]\r\n\"RegisteredOrganization\"=\"Acme Homes\"\r\n");
    platform::FileRegistryStore store(machine.path().toStdString(), machineFile);
    platform::setRegistryStoreForTesting(&store);
    const std::string app = TPAppSettings(&window).CompanyName();
    const std::string form = TPFormSettings(&window).CompanyName();
    platform::setRegistryStoreForTesting(&dir.registry());
    EXPECT_EQ(app, "Acme Homes");
    EXPECT_EQ(form, "Acme Homes");
}

TEST_F(Containers, aFormContainerNeedsAWindowAsOwner) {
    Window window;
    QObject plain;
    for (QObject* owner : {&plain, static_cast<QObject*>(window.field), (QObject*)nullptr}) {
        try {
            TPFormSettings settings(owner);
            ADD_FAILURE() << "accepted an owner that is not a window";
        } catch (const EPFormSettingsException& error) {
            EXPECT_STREQ(error.what(), "Parent must be a TCustomForm descendent");
        }
    }
    EXPECT_TRUE(window.children().size() == 1u) << "a refused container stayed behind";
}

TEST_F(Containers, lookupByNameIsExactAndOnlySettingByNameRaises) {
    Window window;
    TPAppSettings app(&window);
    TPSetting* path = app.AddSetting("gPath");
    TPSetting* twin = app.AddSetting("gPath");
    EXPECT_NE(path, twin) << "an application container keeps every entry";
    EXPECT_EQ(app.SettingByName("gPath"), path);
    EXPECT_EQ(app.FindSetting("GPATH"), nullptr);
    try {
        app.SettingByName("GPath");
        ADD_FAILURE() << "no exception";
    } catch (const EPSettingsException& error) {
        EXPECT_STREQ(error.what(), "No such setting: \"GPath\"");
    }

    TPFormSettings form(&window);
    TPSetting* bound = form.AddSetting("n", "edName.text");
    EXPECT_EQ(form.AddSetting("n", "edName.text"), bound) << "an equal entry is dropped";
    EXPECT_NE(form.AddSetting("n", "edName.text", {}, true), bound);
    EXPECT_EQ(form.Settings().size(), 2u);
}

TEST_F(Containers, continueFalseStopsTheRegistryWorkButNotTheEvents) {
    Window window;
    auto* form = new TPFormSettings(&window);
    named(*form);
    form->AddSetting({}, "edName.text");
    put("Software\\Co\\Soft\\2\\frmTest\\edName", "text", RegValue::text("stored"));
    put("Software\\Co\\Soft\\2\\frmTest", "Width", RegValue::dword(410));

    std::vector<std::string> calls;
    bool go = false;
    form->OnPreRestore = [&](QObject*) { calls.push_back("pre-restore"); };
    form->OnPostRestore = [&](QObject*) { calls.push_back("post-restore"); };
    form->OnAutoRestore = [&](QObject*, bool& Continue) {
        EXPECT_TRUE(Continue);
        Continue = go;
        calls.push_back("auto-restore");
    };
    form->OnPreSave = [&](QObject*) { calls.push_back("pre-save"); };
    form->OnPostSave = [&](QObject*) { calls.push_back("post-save"); };
    form->OnAutoSave = [&](QObject*, bool& Continue) {
        EXPECT_TRUE(Continue);
        Continue = go;
        calls.push_back("auto-save");
    };

    form->Loaded();
    EXPECT_EQ(window.field->text(), "");
    EXPECT_EQ(window.width(), 300);
    window.field->setText("typed");
    form->Save();
    EXPECT_EQ(stored("Software\\Co\\Soft\\2\\frmTest\\edName", "text"), RegValue::text("stored"));
    EXPECT_EQ(calls, (std::vector<std::string>{"pre-restore", "auto-restore", "post-restore",
                                               "pre-save", "auto-save", "post-save"}));

    go = true;
    form->Save();
    EXPECT_EQ(stored("Software\\Co\\Soft\\2\\frmTest\\edName", "text"), RegValue::text("typed"));

    // The same for an application container: no restore, and no save at its end.
    put("Software\\Co\\Soft\\2\\AppSettings", "gPath", RegValue::text("/lists"));
    auto* app = new TPAppSettings(&window);
    named(*app);
    TPSetting* path = app->AddSetting("gPath");
    app->OnAutoRestore = [](QObject*, bool& Continue) { Continue = false; };
    app->OnAutoSave = [](QObject*, bool& Continue) { Continue = false; };
    app->Loaded();
    EXPECT_EQ(path->AsString(), "");
    path->SetAsString("/elsewhere");
    delete app;
    EXPECT_EQ(stored("Software\\Co\\Soft\\2\\AppSettings", "gPath"), RegValue::text("/lists"));
}

TEST_F(Containers, userLocationHandsEverySettingAndThePlacementToTheHandlers) {
    Window window;
    window.move(40, 50);
    TPFormSettings form(&window);
    form.SaveLocation = pslUser;
    form.AddSetting("name", "edName.text");
    std::vector<std::string> saved;
    form.OnUserSave = [&](QObject*, TPSetting* s) {
        saved.push_back(s->Name.empty() ? s->BoundProperty : s->Name);
    };
    form.Save();
    EXPECT_EQ(saved, (std::vector<std::string>{"name", "Left", "Top", "Width", "Height", "MainForm",
                                               "State", "ScreenRes", "MRUList"}));
    EXPECT_FALSE(stored("Software\\frmTest", "Left").has_value());

    // A restore from the user's store is applied to the window after the calls.
    form.OnUserRestore = [&](QObject*, TPSetting* s) {
        if (s->Name == "Width")
            s->SetAsInteger(333);
        if (s->Name == "name") {
            EXPECT_EQ(window.width(), 300);
        }
    };
    form.Loaded();
    EXPECT_EQ(window.width(), 333);
}

TEST_F(Containers, linkedFormTakesApplicationValuesAndNeverSavesThem) {
    Window window;
    auto* app = new TPAppSettings(&window);
    named(*app);
    TPSetting* folder = app->AddSetting("gFolder");
    folder->SetAsString("/from/app");
    auto* form = new TPFormSettings(&window);
    form->SetCompanyName("Other");
    form->AddSetting({}, "edName.text", "gFolder");
    form->AddSetting({}, "edName.placeholderText", "gMissing");
    window.field->setPlaceholderText("designed");

    form->SetAppSettingsCtrl(app);
    EXPECT_EQ(form->AppSettingsCtrl(), app);
    EXPECT_EQ(app->Linked(), std::vector<TPFormSettings*>{form});
    form->SetAppSettingsCtrl(app);
    EXPECT_EQ(app->Linked().size(), 1u) << "linked once";
    EXPECT_EQ(form->CompanyName(), "Co");
    EXPECT_EQ(form->RegistryKeyPath(), "Software\\Co\\Soft\\2\\frmTest");
    EXPECT_EQ(window.field->text(), "/from/app");
    EXPECT_EQ(window.field->placeholderText(), "designed")
        << "a missing application value leaves the property alone";

    // Later names on the application container reach the form; its restore pushes again.
    app->SetSoftwareVersion("3");
    EXPECT_EQ(form->RegistryKeyPath(), "Software\\Co\\Soft\\3\\frmTest");
    put("Software\\Co\\Soft\\3\\AppSettings", "gFolder", RegValue::text("/restored"));
    put("Software\\Co\\Soft\\3\\frmTest\\edName", "text", RegValue::text("form's own"));
    form->Loaded();
    EXPECT_EQ(window.field->text(), "/from/app") << "the form never restores such a value";
    app->Loaded();
    EXPECT_EQ(window.field->text(), "/restored");

    window.field->setText("edited");
    form->Save();
    EXPECT_EQ(stored("Software\\Co\\Soft\\3\\frmTest\\edName", "text"),
              RegValue::text("form's own"));
    EXPECT_EQ(folder->AsString(), "/restored") << "a change of the property is not copied back";

    form->SetAppSettingsCtrl(nullptr);
    EXPECT_TRUE(app->Linked().empty());
    form->SetAppSettingsCtrl(app);
    EXPECT_EQ(window.field->text(), "/restored") << "linking anew pushes again";
    window.field->setText("edited");
    delete app;
    EXPECT_EQ(form->AppSettingsCtrl(), nullptr);
    form->TakeAppValues(); // nothing to take from, and nothing dangling
    EXPECT_EQ(window.field->text(), "edited");
}

TEST_F(Containers, borderStyleDecidesWhatPlacementIsKept) {
    QWidget frameless(nullptr, Qt::Window | Qt::FramelessWindowHint);
    TPFormSettings none(&frameless);
    EXPECT_EQ(none.FormSaveOpt, 0u);
    EXPECT_EQ(none.MRULength(), 0);

    QWidget dialog(nullptr, Qt::Dialog);
    TPFormSettings fixed(&dialog);
    EXPECT_EQ(fixed.FormSaveOpt, unsigned(pfsLeft | pfsTop));
    EXPECT_EQ(fixed.MRULength(), 0);

    QWidget plain(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint);
    TPFormSettings noButtons(&plain);
    EXPECT_EQ(noButtons.FormSaveOpt, pfsAll & ~pfsState);
    EXPECT_EQ(noButtons.MRULength(), 4);

    Window sizeable;
    TPFormSettings all(&sizeable);
    EXPECT_EQ(all.FormSaveOpt, pfsAll);
    all.SetMRULength(10);
    all.SetMRUMaxItemWidth(99);
    EXPECT_EQ(all.MRULength(), 4);
    EXPECT_EQ(all.MRUMaxItemWidth(), 200);
    all.SetMRULength(9);
    all.SetMRUMaxItemWidth(300);
    EXPECT_EQ(all.MRULength(), 9);
    EXPECT_EQ(all.MRUMaxItemWidth(), 300);

    // Only the kept values reach the registry.
    TPFormSettings dialogSave(&dialog);
    dialog.setObjectName("dlgFixed");
    dialogSave.Save();
    EXPECT_TRUE(stored("Software\\dlgFixed", "Left").has_value());
    EXPECT_TRUE(stored("Software\\dlgFixed", "ScreenRes").has_value());
    EXPECT_FALSE(stored("Software\\dlgFixed", "Width").has_value());
    EXPECT_FALSE(stored("Software\\dlgFixed", "State").has_value());
    EXPECT_FALSE(stored("Software\\dlgFixed", "MRUList").has_value());
}

namespace {

std::vector<std::pair<QString, int>> entries(const QMenu& menu) {
    std::vector<std::pair<QString, int>> out;
    for (QAction* a : menu.actions())
        out.emplace_back(a->isSeparator() ? QStringLiteral("-") : a->text(), a->data().toInt());
    return out;
}

} // namespace

TEST_F(Containers, recentFilesAreValidatedShownAndCutToTheirLength) {
    const std::string a = dir.file("a.slf"), b = dir.file("b.slf"), c = dir.file("c.slf");
    for (const std::string& f : {a, b, c})
        writeBytes(f, "");
    const std::string gone = dir.file("gone.slf");
    {
        TPSetting list;
        list.Name = "MRUList";
        list.SetAsStrings({a, gone, b, c});
        TPRegistry registry;
        list.SaveValue(registry, "Software\\frmTest", true);
    }

    Window window;
    QMenu file;
    file.addAction("Open");
    QAction* recent = file.addAction("Recent");
    file.addAction("Exit");
    TPFormSettings form(&window);
    form.SetCompanyName({});
    form.MRUPlacement = pmpBefore;
    form.SetMRUMenuItem(recent);
    std::vector<std::pair<std::string, int>> clicks;
    form.OnMRUClick = [&](QObject*, QAction*, const std::string& name, int index) {
        clicks.emplace_back(name, index);
    };
    form.Loaded();

    EXPECT_EQ(form.MRUList(), (std::vector<std::string>{a, b, c})) << "a missing file is dropped";
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    using E = std::vector<std::pair<QString, int>>;
    EXPECT_EQ(entries(file), (E{{"Open", 0},
                                {"&1 " + q(a), 46371},
                                {"&2 " + q(b), 46371},
                                {"&3 " + q(c), 46371},
                                {"-", 46358},
                                {"Recent", 0},
                                {"Exit", 0}}));
    file.actions()[2]->trigger();
    EXPECT_EQ(clicks, (std::vector<std::pair<std::string, int>>{{b, 2}}));

    // Shorter list, file names only: the menu is rebuilt from scratch, and a save keeps
    // no more than the length.
    form.MRUDisplay = pmdFileOnly;
    form.SetMRULength(2);
    EXPECT_EQ(entries(file), (E{{"Open", 0},
                                {"&1 a.slf", 46371},
                                {"&2 b.slf", 46371},
                                {"-", 46358},
                                {"Recent", 0},
                                {"Exit", 0}}));
    form.Save();
    std::vector<std::string> kept;
    TPSetting reread;
    reread.Name = "MRUList";
    TPRegistry registry;
    reread.RestoreValue(registry, "Software\\frmTest");
    reread.AsStrings(kept);
    EXPECT_EQ(kept, (std::vector<std::string>{a, b}));

    form.SetMRUMenuItem(nullptr);
    EXPECT_EQ(entries(file), (E{{"Open", 0}, {"Recent", 0}, {"Exit", 0}}));
}

TEST_F(Containers, restartRequestNamesTheProgramInRunOnce) {
    Window window;
    TPFormSettings form(&window);
    form.SetCompanyName("Quillmere Software 2");
    form.SetSoftwareName("Provendo-Lists");
    form.RequestRestart();
    const auto value =
        stored("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce", "PSPROVENDOLISTSQUILL");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value,
              RegValue::text('"' + QCoreApplication::applicationFilePath().toStdString() + '"'));
}

TEST_F(Containers, aRefusedCloseSavesOnceUntilTheWindowIsShownAgain) {
    Window window;
    auto* form = new TPFormSettings(&window);
    form->SetCompanyName({});
    form->AddSetting({}, "edName.text");
    int saves = 0;
    form->OnPostSave = [&](QObject*) { ++saves; };
    form->Loaded();
    window.show();
    QApplication::processEvents();

    window.refuseClose = true;
    window.field->setText("first");
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(saves, 1) << "saved at the close request the window refused";
    EXPECT_EQ(stored("Software\\frmTest\\edName", "text"), RegValue::text("first"));

    window.field->setText("second");
    EXPECT_FALSE(window.close());
    EXPECT_EQ(saves, 1);

    // Shown anew: the next close saves again, and hiding after it does not.
    window.hide();
    window.show();
    QApplication::processEvents();
    window.refuseClose = false;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(stored("Software\\frmTest\\edName", "text"), RegValue::text("second"));
    form->WindowDestroyed();
    EXPECT_EQ(saves, 2);
}

TEST_F(Containers, nothingIsSavedBeforeLoadingHasCompleted) {
    Window window;
    auto* form = new TPFormSettings(&window);
    form->SetCompanyName({});
    window.show();
    QApplication::processEvents();
    window.close();
    form->WindowDestroyed();
    EXPECT_FALSE(stored("Software\\frmTest", "Left").has_value());
}

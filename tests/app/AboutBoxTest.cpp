#include "app/HelpAbout.h"
#include "app/Main.h"
#include "app/Maker.h"
#include "app/ModalSeam.h"
#include "controls/LinkLabel.h"
#include "controls/MemoryGauge.h"
#include "tests/support/FakeShell.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using controls::LinkLabel;

namespace {

template <class T> T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

TEST(AboutBox, showsTheVersionRecordOfTheBuiltProgram) {
    TfrmHelpAbout box(nullptr, PROVENDO_EXE);
    EXPECT_EQ(child<QLabel>(&box, "viVersion")->text(), "1.1.0.2");
    const QString copyright = child<QLabel>(&box, "viCopywrite")->text();
    EXPECT_TRUE(copyright.startsWith(QStringLiteral("Copyright \u00A9 2026 ")))
        << copyright.toStdString();
    EXPECT_EQ(box.versionInfo()->objectName(), "vi");
    EXPECT_EQ(box.versionInfo()->value(7), "Provendo");
}

TEST(AboutBox, aProgramFileWithoutRecordShowsValueNotAvailable) {
    // This test program carries no version record.
    TfrmHelpAbout box(nullptr);
    EXPECT_EQ(child<QLabel>(&box, "viVersion")->text(), "Value Not Available");
    EXPECT_EQ(child<QLabel>(&box, "viCopywrite")->text(), "Value Not Available");
}

TEST(AboutBox, isAFixedBoxWithItsComponentsInPlace) {
    TfrmHelpAbout box(nullptr, PROVENDO_EXE);
    EXPECT_EQ(box.windowTitle(), "About Provendo");
    EXPECT_EQ(box.size(), QSize(424, 299));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_FALSE(box.windowFlags() &
                 (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                  Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));
    const struct {
        const char* name;
        int left, top;
        const char* text;
    } places[] = {
        {"Image1", 16, 16, nullptr},       {"Label1", 64, 16, "Provendo"},
        {"Label5", 24, 74, "Version:"},    {"viVersion", 96, 72, nullptr},
        {"Label6", 24, 98, "Copyright:"},  {"viCopywrite", 96, 96, nullptr},
        {"Separator1", 16, 136, nullptr},  {"Label2", 32, 160, "Website:"},
        {"urlWebsite", 128, 160, nullptr}, {"Label3", 32, 184, "Support:"},
        {"URLLabel2", 128, 184, nullptr},  {"Label4", 32, 208, "Info:"},
        {"URLLabel1", 128, 208, nullptr},  {"Label7", 32, 232, "Memory Available:"},
        {"resMemory", 128, 230, nullptr},  {"BitBtn1", 328, 264, nullptr},
    };
    for (const auto& p : places) {
        auto* w = child<QWidget>(&box, p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->pos(), QPoint(p.left, p.top)) << p.name;
        if (p.text) {
            EXPECT_EQ(qobject_cast<QLabel*>(w)->text(), p.text) << p.name;
        }
    }
    EXPECT_EQ(child<QWidget>(&box, "viVersion")->width(), 129);
    EXPECT_EQ(child<QWidget>(&box, "viCopywrite")->width(), 305);
    EXPECT_EQ(child<QWidget>(&box, "Separator1")->width(), 393);
    EXPECT_EQ(child<QWidget>(&box, "resMemory")->width(), 153);
    EXPECT_EQ(child<QLabel>(&box, "Label1")->font().pixelSize(), 21);
    EXPECT_EQ(child<QPushButton>(&box, "BitBtn1")->text(), "Exit");
    EXPECT_FALSE(child<QPushButton>(&box, "BitBtn1")->icon().isNull());
    EXPECT_FALSE(child<QLabel>(&box, "Image1")->pixmap().isNull());
}

TEST(AboutBox, linksOpenTheirTargetsThroughTheShellAndTurnPurpleOnlyWhenOpened) {
    FakeShell shell;
    TfrmHelpAbout box(nullptr, PROVENDO_EXE);
    auto* website = child<LinkLabel>(&box, "urlWebsite");
    auto* support = child<LinkLabel>(&box, "URLLabel2");
    auto* info = child<LinkLabel>(&box, "URLLabel1");
    EXPECT_EQ(website->text(), Maker::website());
    EXPECT_EQ(support->text(), Maker::supportMail());

    shell.succeeds = false;
    ModalSeam::pushButton(QMessageBox::Ok);
    QTest::mouseClick(website, Qt::LeftButton);
    EXPECT_FALSE(website->visited());
    EXPECT_TRUE(ModalSeam::hasPending()) << "a failed open is silent";
    ModalSeam::clear();

    shell.succeeds = true;
    QTest::mouseClick(support, Qt::LeftButton);
    QTest::mouseClick(info, Qt::LeftButton);
    QTest::mouseClick(info, Qt::LeftButton);
    EXPECT_EQ(shell.opened,
              QStringList({Maker::website(), "mailto:" + Maker::supportMail(),
                           "mailto:" + Maker::infoMail(), "mailto:" + Maker::infoMail()}));
    EXPECT_FALSE(website->visited());
    EXPECT_TRUE(support->visited());
    EXPECT_EQ(info->palette().color(QPalette::WindowText), QColor(128, 0, 128));
}

TEST(AboutBox, gaugePollsEveryHalfSecondWithAnHonestFigure) {
    TfrmHelpAbout box(nullptr, PROVENDO_EXE);
    auto* gauge = child<controls::MemoryGauge>(&box, "resMemory");
    EXPECT_EQ(gauge->interval(), 500);
    EXPECT_GE(gauge->percent(), 0);
    EXPECT_LE(gauge->percent(), 100);
    EXPECT_EQ(gauge->toolTip(), QStringLiteral("Memory: %1%").arg(gauge->percent()));
}

TEST(AboutBox, exitClosesWithResultOne) {
    TfrmHelpAbout box(nullptr, PROVENDO_EXE);
    box.show();
    QTest::mouseClick(child<QPushButton>(&box, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(box.result(), 1);
    EXPECT_FALSE(box.isVisible());
}

class HelpMenu : public testing::Test {
protected:
    void TearDown() override { ModalSeam::clear(); }
    TempAppDir dir;
    TfrmMain window;
    FakeShell shell;
};

TEST_F(HelpMenu, aboutShowsTheBoxModallyOwnedByTheWindowAndDestroysIt) {
    QString shownTitle;
    QWidget* shownOwner = nullptr;
    ModalSeam::push([&](const ModalSeam::Request& r) {
        shownTitle = r.dialog->windowTitle();
        shownOwner = r.dialog->parentWidget();
        return ModalSeam::Answer{1, {}};
    });
    window.findChild<QAction*>(QStringLiteral("About1"))->trigger();
    EXPECT_EQ(shownTitle, "About Provendo");
    EXPECT_EQ(shownOwner, &window);
    EXPECT_EQ(window.findChild<TfrmHelpAbout*>(), nullptr);
    EXPECT_FALSE(window.document().modified());
}

TEST_F(HelpMenu, homePageOpensTheMakersSiteAndSaysNothingWhenItCannot) {
    shell.succeeds = false;
    ModalSeam::pushButton(QMessageBox::Ok);
    window.findChild<QAction*>(QStringLiteral("MainMenuHelpHomePage"))->trigger();
    EXPECT_EQ(shell.opened, QStringList{Maker::website()});
    EXPECT_TRUE(ModalSeam::hasPending()) << "nothing is said about a failed open";
}

// The about box's links opened through the desktop's shell, with a stand-in xdg-open on
// the PATH.
#include "controls/LinkLabel.h"
#include "platform/ShellOpen.h"
#include "tests/support/FakeXdgOpen.h"

#include <QTest>
#include <gtest/gtest.h>

using controls::LinkLabel;

namespace {

void openThroughShell(const QString& target, platform::ShellOpen::Done done) {
    platform::shell().open(target, std::move(done));
}

} // namespace

TEST(DesktopShell, aLinkTurnsVisitedOnlyWhenTheHelperSucceeded) {
    LinkLabel link(QStringLiteral("Site"), QStringLiteral("https://x.example/"));
    link.resize(80, 20);
    link.setOpener(openThroughShell);
    {
        FakeXdgOpen failing(3, "0");
        QTest::mouseClick(&link, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !failing.opened().empty(); }, 5000));
        QTest::qWait(300);
        EXPECT_EQ(failing.opened(), "https://x.example/\n");
        EXPECT_FALSE(link.visited()) << "no program took the address";
        EXPECT_EQ(link.palette().color(QPalette::WindowText), LinkLabel::linkColor());
    }
    FakeXdgOpen working(0);
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_FALSE(link.visited()) << "the helper has not answered yet";
    EXPECT_TRUE(QTest::qWaitFor([&] { return link.visited(); }, 5000));
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(128, 0, 128));
}

TEST(DesktopShell, aLinkDestroyedBeforeTheAnswerIsLeftAlone) {
    FakeXdgOpen helper(0, "0.2");
    auto* link = new LinkLabel(QStringLiteral("Site"), QStringLiteral("https://x.example/"));
    link->setOpener(openThroughShell);
    link->activate();
    delete link;
    QTest::qWait(600); // the answer arrives for a label that is gone
    EXPECT_EQ(helper.opened(), "https://x.example/\n");
}

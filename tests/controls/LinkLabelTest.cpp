#include "controls/LinkLabel.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using controls::LinkLabel;

namespace {

QColor textColor(const LinkLabel& link) {
    return link.palette().color(QPalette::WindowText);
}

} // namespace

TEST(LinkLabel, turnsPurpleOnlyAfterASuccessfulOpenAndStaysSo) {
    LinkLabel link(QStringLiteral("Site"), QStringLiteral("https://x.example/"));
    link.resize(80, 20);
    bool succeed = false;
    QStringList opened;
    link.setOpener([&](const QString& target, const std::function<void(bool)>& done) {
        opened << target;
        done(succeed);
    });
    QSignalSpy openedSignal(&link, &LinkLabel::opened);

    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"https://x.example/"});
    EXPECT_FALSE(link.visited()) << "a failed open leaves the link unvisited";
    EXPECT_EQ(textColor(link), LinkLabel::linkColor());
    EXPECT_EQ(openedSignal.count(), 0);

    succeed = true;
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_TRUE(link.visited());
    EXPECT_EQ(textColor(link), QColor(128, 0, 128));

    succeed = false;
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 3) << "each click opens again";
    EXPECT_EQ(textColor(link), QColor(128, 0, 128));
    EXPECT_EQ(openedSignal.count(), 1);
}

TEST(LinkLabel, opensFromTheKeyboardAndNotFromOtherButtonsOrWithoutAnOpener) {
    LinkLabel link(QStringLiteral("Mail"), QStringLiteral("mailto:a@x.example"));
    link.resize(80, 20);
    link.activate(); // no opener: silent, not visited
    EXPECT_FALSE(link.visited());

    int opens = 0;
    link.setOpener(
        [&](const QString&, const std::function<void(bool)>& done) { done(++opens > 0); });
    QTest::mouseClick(&link, Qt::RightButton);
    EXPECT_EQ(opens, 0);
    QTest::keyClick(&link, Qt::Key_Return);
    QTest::keyClick(&link, Qt::Key_Space);
    QTest::keyClick(&link, Qt::Key_A);
    EXPECT_EQ(opens, 2);
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.focusPolicy(), Qt::StrongFocus);
}

TEST(LinkLabel, aPressReleasedOutsideTheLinkDoesNotOpen) {
    LinkLabel link(QStringLiteral("Site"), QStringLiteral("https://x.example/"));
    link.resize(80, 20);
    int opens = 0;
    link.setOpener(
        [&](const QString&, const std::function<void(bool)>& done) { done(++opens > 0); });
    QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(opens, 0);
}

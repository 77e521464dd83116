#include "controls/BalloonHints.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

using controls::BalloonHints;

namespace {

class Hints : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        open = new QToolButton(&window);
        open->setToolTip(QStringLiteral("Open a shopping list"));
        save = new QToolButton(&window);
        save->setToolTip(QStringLiteral("Save the current list"));
        plain = new QToolButton(&window);
        layout->addWidget(open);
        layout->addWidget(save);
        layout->addWidget(plain);
        window.move(100, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        anchor = QGuiApplication::primaryScreen()->availableGeometry().center();
    }

    void TearDown() override { QToolTip::hideText(); }

    // The hint window drawn as the user sees it, with its transparent corners.
    static QImage look(QWidget* hint) {
        QCoreApplication::processEvents();
        return hint->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }

    QWidget window;
    QToolButton* open = nullptr;
    QToolButton* save = nullptr;
    QToolButton* plain = nullptr;
    QPoint anchor;
    std::unique_ptr<BalloonHints> hints = std::make_unique<BalloonHints>();
};

} // namespace

TEST_F(Hints, aBalloonHangsBelowThePointerWithItsTailUpRightAndAPlainHintBelowIt) {
    hints->showHint(open, anchor);
    QWidget* balloon = hints->visibleHint();
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->accessibleName(), "Open a shopping list");
    const QRect balloonAt = balloon->geometry();
    EXPECT_LT(balloonAt.left(), anchor.x());
    EXPECT_GT(balloonAt.right(), anchor.x());
    EXPECT_GE(balloonAt.top(), anchor.y());
    EXPECT_GE(balloonAt.width(), BalloonHints::CaptionWidth);
    const QImage shape = look(balloon);
    // The tail rises from the body near the right edge; the rest of the top is clear.
    const int tip = shape.width() - 20;
    EXPECT_GT(qAlpha(shape.pixel(tip, 1)), 0);
    EXPECT_EQ(qAlpha(shape.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(shape.pixel(tip - 30, 3)), 0);

    hints->setShowBalloon(false);
    EXPECT_EQ(hints->visibleHint(), nullptr);
    hints->showHint(open, anchor);
    QWidget* rectangle = hints->visibleHint();
    ASSERT_NE(rectangle, nullptr);
    EXPECT_EQ(rectangle->pos(), anchor + QPoint(0, 20));
    // The same text in the same box, without the tail above it.
    EXPECT_EQ(rectangle->width(), balloonAt.width());
    EXPECT_EQ(rectangle->height() + 12, balloonAt.height());
    const QImage box = look(rectangle);
    EXPECT_EQ(qAlpha(box.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(box.pixel(box.width() - 1, box.height() - 1)), 255);
}

TEST_F(Hints, aHintStaysOnTheScreenNearItsEdges) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (const bool balloon : {true, false}) {
        hints->setShowBalloon(balloon);
        for (const QPoint corner : {area.topLeft(), area.bottomRight()}) {
            hints->showHint(save, corner);
            ASSERT_NE(hints->visibleHint(), nullptr);
            EXPECT_TRUE(area.contains(hints->visibleHint()->geometry())) << balloon;
        }
    }
}

TEST_F(Hints, onlyControlsWithAHintShowOneAndAnyKeyClickOrLeaveHidesIt) {
    hints->showHint(plain, anchor);
    EXPECT_EQ(hints->visibleHint(), nullptr);
    hints->showHint(nullptr, anchor);
    EXPECT_EQ(hints->visibleHint(), nullptr);

    hints->showHint(save, anchor);
    ASSERT_NE(hints->visibleHint(), nullptr);
    EXPECT_EQ(hints->visibleHint()->accessibleName(), "Save the current list");
    QTest::keyPress(&window, Qt::Key_A);
    EXPECT_EQ(hints->visibleHint(), nullptr);
    QTest::keyRelease(&window, Qt::Key_A);

    hints->showHint(save, anchor);
    QTest::mousePress(plain, Qt::LeftButton);
    EXPECT_EQ(hints->visibleHint(), nullptr);
    QTest::mouseRelease(plain, Qt::LeftButton);

    hints->showHint(save, anchor);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(open, &leave);
    EXPECT_NE(hints->visibleHint(), nullptr);
    QCoreApplication::sendEvent(save, &leave);
    EXPECT_EQ(hints->visibleHint(), nullptr);
}

TEST_F(Hints, theDesktopsToolTipNeverShowsWhileTheHintsLive) {
    QHelpEvent ask(QEvent::ToolTip, QPoint(2, 2), open->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(open, &ask);
    EXPECT_FALSE(QToolTip::isVisible());

    hints.reset();
    QCoreApplication::sendEvent(open, &ask);
    EXPECT_TRUE(QToolTip::isVisible());
}

TEST_F(Hints, restingOnAHintedControlShowsItsHintAfterThePause) {
    QTest::mouseMove(&window, QPoint(1, 1));
    QTest::mouseMove(save);
    ASSERT_TRUE(save->underMouse());
    QCoreApplication::processEvents();
    EXPECT_EQ(hints->visibleHint(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hints->visibleHint() != nullptr; }, 5000));
    EXPECT_EQ(hints->visibleHint()->accessibleName(), "Save the current list");

    QTest::mouseMove(plain);
    EXPECT_EQ(hints->visibleHint(), nullptr);
}

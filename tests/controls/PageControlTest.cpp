#include "controls/PageControl.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using controls::PageControl;
using controls::TabSheet;

namespace {

class Pages : public testing::Test {
protected:
    void SetUp() override {
        for (const char* caption : {"Dairy", "Meat", "Vegetables"}) {
            auto* sheet = new TabSheet(QString::fromLatin1(caption));
            auto* layout = new QVBoxLayout(sheet);
            layout->addWidget(new QLineEdit(sheet));
            pages.addSheet(sheet);
        }
        pages.resize(500, 200);
        bar = pages.findChild<QTabBar*>();
        ASSERT_NE(bar, nullptr);
    }

    void show() {
        pages.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pages));
    }

    // Every caption fits between the tab's slanted sides.
    void expectCaptionsFit() const {
        for (int i = 0; i < pages.count(); ++i)
            EXPECT_GE(bar->tabRect(i).width(),
                      bar->fontMetrics().horizontalAdvance(pages.tabText(i)) + 12)
                << pages.tabText(i).toStdString();
    }

    // Pixels of the active tab's highlight bar inside the given tab.
    int highlight(const QImage& image, int tab) const {
        const QRect r = bar->tabRect(tab);
        int count = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                count += image.pixelColor(x, y) == QColor(255, 199, 60);
        return count;
    }

    PageControl pages;
    QTabBar* bar = nullptr;
};

} // namespace

TEST_F(Pages, tabsShowTheSheetsCaptionsAndFollowARename) {
    ASSERT_EQ(pages.count(), 3);
    EXPECT_EQ(pages.tabText(0), "Dairy");
    EXPECT_EQ(pages.tabText(2), "Vegetables");
    EXPECT_EQ(pages.sheet(1)->caption(), "Meat");
    expectCaptionsFit();

    const int narrow = bar->tabRect(1).width();
    ASSERT_TRUE(pages.sheet(1)->setProperty("Caption", QStringLiteral("Meat and fish")));
    EXPECT_EQ(pages.tabText(1), "Meat and fish");
    EXPECT_EQ(pages.sheet(1)->property("Caption").toString(), "Meat and fish");
    EXPECT_GT(bar->tabRect(1).width(), narrow);
    EXPECT_EQ(pages.tabText(0), "Dairy");

    // A new font measures the captions anew.
    QFont large = bar->font();
    large.setPointSize(large.pointSize() * 2);
    bar->setFont(large);
    expectCaptionsFit();

    // A page that is not a sheet has no sheet.
    pages.addTab(new QWidget, QStringLiteral("Notes"));
    EXPECT_EQ(pages.sheet(3), nullptr);
    EXPECT_EQ(pages.sheet(7), nullptr);
}

TEST_F(Pages, aHugeCaptionIsCutToWhatAScreenCanShowButKeptWhole) {
    const QString huge(200000, QLatin1Char('w'));
    pages.sheet(2)->setCaption(huge);
    const int screens = QGuiApplication::primaryScreen()->virtualSize().width();
    EXPECT_EQ(pages.tabText(2), huge.left(screens));
    EXPECT_EQ(pages.sheet(2)->caption(), huge);

    auto* late = new TabSheet(huge);
    pages.addSheet(late);
    EXPECT_EQ(pages.tabText(3), huge.left(screens));
}

TEST_F(Pages, activePageIsSetOnlyToOneOfItsOwnPages) {
    QWidget* meat = pages.widget(1);
    ASSERT_TRUE(pages.setProperty("ActivePage", QVariant::fromValue<QWidget*>(meat)));
    EXPECT_EQ(pages.currentIndex(), 1);
    EXPECT_EQ(pages.property("ActivePage").value<QWidget*>(), meat);

    QWidget stranger;
    pages.setActivePage(&stranger);
    EXPECT_EQ(pages.currentIndex(), 1);
    pages.setActivePage(nullptr);
    EXPECT_EQ(pages.currentIndex(), 1);
    EXPECT_EQ(pages.activePage(), meat);
}

TEST_F(Pages, theKeyboardTurnsThePages) {
    show();
    QLineEdit* field = pages.widget(0)->findChild<QLineEdit*>();
    QTest::keyClick(field, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages.currentIndex(), 1);
    QTest::keyClick(pages.widget(1)->findChild<QLineEdit*>(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages.currentIndex(), 2);
    QTest::keyClick(pages.widget(2)->findChild<QLineEdit*>(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages.currentIndex(), 1);

    // With the focus on the tabs, the arrows move from tab to tab.
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(pages.currentIndex(), 0);
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(pages.currentIndex(), 2);
}

TEST_F(Pages, theHighlightBarMarksTheActiveTabOnly) {
    show();
    for (const int active : {0, 2}) {
        pages.setCurrentIndex(active);
        QCoreApplication::processEvents();
        const QImage image = bar->grab().toImage();
        for (int tab = 0; tab < pages.count(); ++tab) {
            if (tab == active)
                EXPECT_GT(highlight(image, tab), 2 * bar->tabRect(tab).width()) << tab;
            else
                EXPECT_EQ(highlight(image, tab), 0) << tab;
        }
        EXPECT_EQ(bar->tabRect(active).height(), PageControl::TabHeight);
    }
}

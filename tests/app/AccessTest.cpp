// The main window and the about box as keyboard and screen-reader users meet them.
#include "app/HelpAbout.h"
#include "app/Main.h"
#include "controls/CheckListBox.h"
#include "tests/support/TempDir.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Access : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TfrmMain>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    static QString name(QObject* object) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
        return iface ? iface->text(QAccessible::Name) : QString();
    }

    TempAppDir dir;
    std::unique_ptr<TfrmMain> window;
};

bool sameFont(const QFont& a, const QFont& b) {
    const QFontInfo x(a);
    const QFontInfo y(b);
    return x.family() == y.family() && x.pixelSize() == y.pixelSize();
}

} // namespace

TEST_F(Access, shiftF10OpensThePagesPopUpMenuFromTheList) {
    controls::CheckListBox* list = window->page(0).list;
    list->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(list->hasFocus());
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(window->popupMenu()->isVisible());
    window->popupMenu()->hide();
}

TEST_F(Access, popUpAndDropDownMenusUseTheMenuBarsFont) {
    const QFont bar = window->menuBar()->font();
    const QList<QMenu*> menus = window->findChildren<QMenu*>();
    ASSERT_GE(menus.size(), 4);
    for (QMenu* menu : menus)
        EXPECT_TRUE(sameFont(menu->font(), bar)) << menu->objectName().toStdString();
    // So do the menus the fields make for themselves.
    const std::unique_ptr<QMenu> own(window->page(0).nameField->createStandardContextMenu());
    own->ensurePolished(); // as before it first shows
    EXPECT_TRUE(sameFont(own->font(), bar));
}

TEST_F(Access, everyControlTabReachesHasAName) {
    int reached = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled())
            continue;
        ++reached;
        EXPECT_FALSE(name(w).isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    EXPECT_GT(reached, 40);
}

TEST_F(Access, everyLabelReadsItsText) {
    window->findChild<QLabel*>("spFile")->setText("/home/me/list.slf");
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        EXPECT_EQ(name(label), label->text()) << label->objectName().toStdString();
    }
}

TEST_F(Access, anItemLineReadsItsNameQuantityAndTickAndTicksWithoutModifying) {
    model::CategoryList& dairy = window->document().list(0);
    dairy.append("Milk\t2");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->page(0).list);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), "Dairy");
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "//Dairy");
    QAccessibleInterface* milk = list->child(1);
    EXPECT_EQ(milk->text(QAccessible::Name), "Milk, quantity 2");
    EXPECT_FALSE(milk->state().checked);
    milk->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(dairy.ticked(1));
    EXPECT_TRUE(milk->state().checked);
    EXPECT_FALSE(window->document().modified());
}

TEST(AboutAccess, labelsReadTheirTextAndValuesAreLabelledByTheirCaptions) {
    TfrmHelpAbout box(nullptr);
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                  label->text())
            << label->objectName().toStdString();
    }
    const std::pair<const char*, const char*> pairs[] = {
        {"Label5", "viVersion"}, {"Label6", "viCopywrite"}, {"Label2", "urlWebsite"},
        {"Label3", "URLLabel2"}, {"Label4", "URLLabel1"},   {"Label7", "resMemory"}};
    for (const auto& [caption, value] : pairs) {
        QAccessibleInterface* captionIface =
            QAccessible::queryAccessibleInterface(box.findChild<QLabel*>(caption));
        QAccessibleInterface* valueIface =
            QAccessible::queryAccessibleInterface(box.findChild<QWidget*>(value));
        ASSERT_NE(captionIface, nullptr) << caption;
        ASSERT_NE(valueIface, nullptr) << value;
        bool labelled = false;
        for (const auto& [other, relation] : valueIface->relations(QAccessible::Label))
            labelled = labelled || other == captionIface;
        EXPECT_TRUE(labelled) << value << " is not labelled by " << caption;
    }
}

TEST(AboutAccess, theWindowFontResolvesToTheInstalledSubstitute) {
    TfrmHelpAbout box(nullptr);
    EXPECT_EQ(QFontInfo(box.font()).family(), "Cabin");
    EXPECT_EQ(QFontInfo(box.findChild<QLabel*>("Label5")->font()).family(), "Cabin");
}

// What the keyboard user sees and reaches: focus marks and Shift+F10.
#include "controls/ContextMenuKey.h"
#include "controls/PageControl.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using controls::PageControl;
using controls::TabSheet;

namespace {

// Shows a window and gives it the keyboard, as a user's click on it would.
void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

QImage look(QWidget* widget) {
    QCoreApplication::processEvents();
    return widget->grab().toImage();
}

} // namespace

TEST(KeyboardFocus, aDefaultButtonShowsWhenTabReachesIt) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit(&window);
    auto* button = new QPushButton(QStringLiteral("Add to list"), &window);
    button->setDefault(true);
    layout->addWidget(field);
    layout->addWidget(button);
    activate(window);
    field->setFocus(Qt::TabFocusReason);
    const QImage without = look(button);
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_NE(look(button), without);
}

TEST(KeyboardFocus, theActivePageTabShowsWhenTabReachesIt) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit(&window);
    auto* pages = new PageControl(&window);
    pages->addSheet(new TabSheet(QStringLiteral("Dairy")));
    pages->addSheet(new TabSheet(QStringLiteral("Meat")));
    layout->addWidget(field);
    layout->addWidget(pages);
    activate(window);
    auto* bar = pages->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    field->setFocus(Qt::TabFocusReason);
    const QImage without = look(bar);
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_TRUE(bar->hasFocus());
    EXPECT_NE(look(bar), without);
    // The tab bar Tab reaches has a name of its own.
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(bar)->text(QAccessible::Name).isEmpty());
}

TEST(KeyboardFocus, shiftF10AsksTheFocusedControlForItsMenuAsTheMenuKeyDoes) {
    QWidget window;
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(&window);
    auto* inner = new QWidget(&window);
    inner->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(inner);
    controls::ContextMenuKey key;
    activate(window);
    inner->setFocus();
    QSignalSpy requested(&window, &QWidget::customContextMenuRequested);
    // Shift+F10 reaches the page; plain F10 and Ctrl+Shift+F10 do not.
    QTest::keyClick(inner, Qt::Key_F10);
    QTest::keyClick(inner, Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(requested.count(), 0);
    QTest::keyClick(inner, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(requested.count(), 1);
}

namespace {

// A field that notes where it was asked for its menu instead of showing one.
class MenuField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QList<QPoint> asked;
    QList<QContextMenuEvent::Reason> reasons;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        asked << event->pos();
        reasons << event->reason();
    }
};

} // namespace

TEST(KeyboardFocus, shiftF10OpensAFieldsMenuAtItsTextCursorAlsoFromTheKeypad) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new MenuField(QStringLiteral("Milk and eggs"), &window);
    layout->addWidget(field);
    controls::ContextMenuKey key;
    activate(window);
    field->setFocus();
    field->setCursorPosition(4);
    const QPoint cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    ASSERT_GT(cursor.x(), 5);
    QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier | Qt::KeypadModifier);
    ASSERT_EQ(field->asked.size(), 2);
    EXPECT_EQ(field->asked.at(0), cursor);
    EXPECT_EQ(field->asked.at(1), cursor);
    EXPECT_EQ(field->reasons.at(0), QContextMenuEvent::Keyboard);
    // The key itself never reaches the field as typing.
    EXPECT_EQ(field->text(), "Milk and eggs");
}

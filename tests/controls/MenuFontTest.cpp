#include "controls/MenuFont.h"

#include <QLineEdit>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

TEST(MenuFont, everyMenuTakesTheFontWhetherMadeBeforeOrAfterAndOtherWidgetsKeepTheirs) {
    QFont chosen(QStringLiteral("Liberation Sans"), 8);
    QMenu before;
    QLineEdit field;
    const QFont fieldFont = field.font();
    ASSERT_NE(before.font(), chosen);
    controls::MenuFont menus(chosen);
    EXPECT_EQ(before.font(), chosen);

    QMenu after;
    after.ensurePolished();
    EXPECT_EQ(after.font(), chosen);
    // The fields' own menus too.
    std::unique_ptr<QMenu> fieldMenu(field.createStandardContextMenu());
    fieldMenu->ensurePolished();
    EXPECT_EQ(fieldMenu->font(), chosen);
    field.ensurePolished();
    EXPECT_EQ(field.font(), fieldFont);
}

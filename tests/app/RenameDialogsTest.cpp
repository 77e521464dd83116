#include "app/ModalSeam.h"
#include "app/RenameCategory.h"
#include "app/RenameItem.h"
#include "controls/SpinEdit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Shows a dialog without blocking, so keys can be pressed in it as a user would.
template <class Dialog> struct Shown {
    Shown() : dialog(nullptr) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
    }
    Dialog dialog;
};

} // namespace

TEST(RenameDialogs, itemDialogLayout) {
    Shown<TfrmRename> s;
    TfrmRename& d = s.dialog;
    EXPECT_EQ(d.windowTitle(), "Item/Quantity");
    EXPECT_EQ(d.size(), QSize(428, 124));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Name:");
    EXPECT_TRUE(d.findChild<QLabel*>("Label2")->font().bold());
    EXPECT_EQ(d.nameField()->geometry(), QRect(48, 32, 289, 24));
    EXPECT_EQ(d.quantityField()->geometry(), QRect(344, 32, 47, 24));
    EXPECT_TRUE(d.nameField()->hasFocus());
    // OK and Cancel at the right end of the bottom bar, 8 pixels apart and from the edge.
    EXPECT_EQ(d.cancelButton()->mapTo(&d, QPoint(0, 0)).x() + 75, 428 - 8);
    EXPECT_EQ(d.okButton()->mapTo(&d, QPoint(0, 0)).x() + 75, 428 - 8 - 75 - 8);
    EXPECT_TRUE(d.okButton()->isDefault());
    EXPECT_FALSE(d.findChild<QPushButton*>("HelpButton")->isVisible());
}

TEST(RenameDialogs, enterAtOnceReturnsOkWithTheTextsAsFilled) {
    TfrmRename dialog(nullptr);
    ModalSeam::clear();
    ModalSeam::push([](const ModalSeam::Request& request) {
        auto* d = static_cast<TfrmRename*>(request.dialog);
        d->show();
        QTest::keyClick(d->nameField(), Qt::Key_Return);
        return ModalSeam::Answer{d->result(), {}};
    });
    QString name = "Bread";
    QString quantity = "some";
    EXPECT_EQ(ExecuteRenameItem(dialog, name, quantity), 1);
    EXPECT_EQ(name, "Bread");
    EXPECT_EQ(quantity, "some");
}

TEST(RenameDialogs, escAndCloseBoxReturnTwoAndStillHandTheTextsBack) {
    Shown<TfrmRename> s;
    s.dialog.nameField()->setText("Typed");
    QTest::keyClick(s.dialog.nameField(), Qt::Key_Escape);
    EXPECT_EQ(s.dialog.result(), 2);

    Shown<TfrmRenameCategory> c;
    c.dialog.nameField()->setText("");
    c.dialog.close();
    EXPECT_EQ(c.dialog.result(), 2);

    TfrmRenameCategory dialog(nullptr);
    ModalSeam::clear();
    ModalSeam::push([](const ModalSeam::Request& request) {
        static_cast<TfrmRenameCategory*>(request.dialog)->nameField()->setText("");
        return ModalSeam::Answer{2, {}};
    });
    QString category = "Dairy";
    EXPECT_EQ(ExecuteRenameCategory(dialog, category), 2);
    EXPECT_EQ(category, "");
}

TEST(RenameDialogs, quantityIsNormalisedWhenConfirmedFromItOrWhenLeft) {
    Shown<TfrmRename> s;
    QLineEdit* quantity = s.dialog.quantityField()->editor();
    quantity->setFocus();
    quantity->setText("250");
    QTest::keyClick(quantity, Qt::Key_Return);
    EXPECT_EQ(s.dialog.result(), 1);
    EXPECT_EQ(s.dialog.quantityField()->text(), "100");

    Shown<TfrmRename> t;
    t.dialog.quantityField()->editor()->setFocus();
    t.dialog.quantityField()->editor()->setText("0");
    t.dialog.nameField()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(t.dialog.quantityField()->text(), "1");
}

TEST(RenameDialogs, categoryDialogHasOnlyTheNameField) {
    Shown<TfrmRenameCategory> s;
    EXPECT_EQ(s.dialog.windowTitle(), "Rename Catetory");
    EXPECT_EQ(s.dialog.size(), QSize(428, 124));
    EXPECT_EQ(s.dialog.findChild<QLabel*>("Label2"), nullptr);
    EXPECT_EQ(s.dialog.findChildren<controls::SpinEdit*>().size(), 0);
    s.dialog.nameField()->setText("Tins");
    QTest::keyClick(s.dialog.nameField(), Qt::Key_Return);
    EXPECT_EQ(s.dialog.result(), 1);
}

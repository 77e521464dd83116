#include "app/Main.h"
#include "app/ModalSeam.h"
#include "tests/support/TempDir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Real dialogs, run modally and driven from inside their own event loop the way a user
// types into them.
class DialogKeyboard : public testing::Test {
protected:
    void SetUp() override {
        ModalSeam::clear();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        for (QLineEdit* edit : window.findChildren<QLineEdit*>())
            if (edit->isVisible()) {
                field = edit;
                break;
            }
        ASSERT_NE(field, nullptr);
        field->setFocus();
    }

    // Runs inside the next modal dialog's loop, once it is the active window.
    static void whenDialogOpens(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [act] {
            QWidget* dialog = nullptr;
            const bool open = QTest::qWaitFor([&] {
                dialog = QApplication::activeModalWidget();
                return dialog != nullptr;
            });
            ASSERT_TRUE(open);
            act(dialog);
        });
    }

    // Somewhere else takes the keyboard while the dialog is open, as a window system
    // without a window manager leaves it after the dialog goes.
    void takeKeyboardElsewhere() {
        elsewhere.show();
        elsewhere.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    }

    // Activation is the window system's to grant, a moment later.
    bool windowActiveAgain() {
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; }, 2000);
    }

    TempAppDir dir;
    TfrmMain window;
    QWidget elsewhere;
    QLineEdit* field = nullptr;
};

} // namespace

TEST_F(DialogKeyboard, typedPathAndEnterLeaveNoCompletionListAndGiveTheKeyboardBack) {
    writeBytes(dir.file("groceries.slf"), "//Dairy\r\n");
    writeBytes(dir.file("groceries2.slf"), "//Dairy\r\n");
    QWidget* popup = nullptr;
    whenDialogOpens([&](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setFocus();
        QTest::keyClicks(name, QString::fromStdString(dir.path()) + QStringLiteral("groc"));
        ASSERT_NE(name->completer(), nullptr);
        popup = name->completer()->popup();
        EXPECT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }, 5000))
            << "no completions to see";
        // The rest of the name as the user would finish it, leaving the list up.
        name->setText(QString::fromStdString(dir.file("groceries.slf")));
        // Enter in the name field, the list still up: the dialog takes the name.
        QTest::keyClick(name, Qt::Key_Return);
        // Should Enter not close it, the dialog's own accept does, the list still up.
        QTimer::singleShot(300, dialog, [dialog] {
            if (dialog->isVisible())
                static_cast<QDialog*>(dialog)->accept();
        });
    });
    QFileDialog dialog(&window, QStringLiteral("Open File"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(QString::fromStdString(dir.path()));
    const std::string chosen = ModalSeam::fileDialog(dialog).toStdString();
    EXPECT_NE(chosen.find("groceries.slf"), std::string::npos) << chosen;
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(windowActiveAgain());
    EXPECT_EQ(QApplication::focusWidget(), field);
}

TEST_F(DialogKeyboard, messageBoxClosedWithEnterGivesTheKeyboardBackToTheField) {
    whenDialogOpens([this](QWidget* box) {
        takeKeyboardElsewhere();
        QTest::keyClick(box, Qt::Key_Return);
    });
    const int answer = ModalSeam::message(
        &window, QStringLiteral("Confirm"), QStringLiteral("Save changes"), QMessageBox::Question,
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No);
    EXPECT_EQ(answer, QMessageBox::Yes);
    EXPECT_TRUE(windowActiveAgain());
    EXPECT_EQ(QApplication::focusWidget(), field);
}

TEST_F(DialogKeyboard, closedDialogGivesTheKeyboardBackAndAltShortcutsWork) {
    whenDialogOpens([this](QWidget* dialog) {
        takeKeyboardElsewhere();
        static_cast<QDialog*>(dialog)->reject();
    });
    QDialog dialog(&window);
    ModalSeam::execDialog(dialog);
    ASSERT_TRUE(windowActiveAgain());
    // Alt+F opens the File menu without a click.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&File"));
    menu->close();
}

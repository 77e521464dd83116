// The e-mail command from the tool button to the mail program: the real window, the
// real simple-mail layer and its xdg-email stand-in, and a fake xdg-email on the PATH.
#include "app/Main.h"
#include "app/ModalSeam.h"
#include "controls/NotesMemo.h"
#include "platform/AppPaths.h"
#include "platform/SimpleMail.h"
#include "tests/support/FakeXdgEmail.h"

#include <QDate>
#include <QLocale>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class MailCommand : public testing::Test {
protected:
    MailCommand() : cacheHome_("XDG_CACHE_HOME", cache_.path().toStdString()) {}

    // A fresh simple-mail layer that looks for xdg-email on this PATH at its first call.
    void useMailLayerWithPath(const std::string& folders) {
        path_.emplace("PATH", folders);
        library_ = std::make_unique<platform::SimpleMailLibrary>(&platform::loadSystemSimpleMail);
        platform::setSimpleMailForTesting(library_.get());
        window_ = std::make_unique<TfrmMain>();
        window_->show();
        model::CategoryList& dairy = window_->document().list(0);
        dairy.setTicked(dairy.append("Milk\t2"), true);
        dairy.append("Cheese\t1");
        window_->notes()->setPlainText(QStringLiteral("Bring bags"));
    }
    void TearDown() override {
        window_.reset();
        platform::setSimpleMailForTesting(nullptr);
        ModalSeam::clear();
    }
    void clickSendEmail() {
        auto* button = window_->findChild<QToolButton*>(QStringLiteral("BtnSendEMail"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The command run from the event loop, so that an error takes the program's own way
    // to the error box. Qt's signal and mouse code does not clean up after an error that
    // unwinds through it, which the sanitizer build reports as leaks; the tool button
    // itself is clicked where the send succeeds.
    void runSendEmailCommand() {
        TfrmMain* window = window_.get();
        QMetaObject::invokeMethod(
            window, [window] { window->MainMenuToolsSendEmailClick(); }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
    }
    std::string textFile() const { return appDir_.file("ShoppingList.txt"); }

    TempAppDir appDir_;
    QTemporaryDir cache_;
    ScopedEnv cacheHome_;
    FakeXdgEmail fake_;
    std::optional<ScopedEnv> path_;
    std::unique_ptr<platform::SimpleMailLibrary> library_;
    std::unique_ptr<TfrmMain> window_;
};

// Everything after the title line, whose date is today's.
std::string afterTitle(const std::string& text) {
    EXPECT_EQ(text.rfind("SHOPPING LIST for ", 0), 0u) << text;
    return text.substr(text.find("\r\n") + 2);
}

const std::string RenderedBody =
    "\r\n\r\nDAIRY\r\n\r\nMilk" + std::string(46, ' ') + "2\r\n\r\nNotes:\r\nBring bags\r\n";

} // namespace

TEST_F(MailCommand, attachesAPrivateCopyOfTheRenderedListAndDeletesTheFileBesideTheProgram) {
    useMailLayerWithPath(fake_.binFolder() + ":/usr/bin:/bin");
    ModalSeam::pushButton(QMessageBox::Ok);
    clickSendEmail();

    EXPECT_TRUE(ModalSeam::hasPending()) << "an error box was shown";
    const auto args = fake_.arguments();
    ASSERT_EQ(args.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(args.begin(), args.begin() + 4),
              (std::vector<std::string>{"--utf8", "--subject", "Shopping List", "--attach"}));
    EXPECT_EQ(afterTitle(fake_.attachedBytes()), RenderedBody);

    const fs::path copy = args[4];
    EXPECT_EQ(copy.filename(), "ShoppingList.txt");
    EXPECT_EQ(copy.parent_path().parent_path(),
              fs::path(cache_.path().toStdString()) / "provendo/outgoing-mail");
    EXPECT_EQ(afterTitle(readBytes(copy.string())), RenderedBody);
    struct stat info {};
    ASSERT_EQ(::stat(copy.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_FALSE(fs::exists(textFile()));
}

TEST_F(MailCommand, aMonthTheCodePageCannotHoldIsWrittenInEnglish) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Greek));
    useMailLayerWithPath(fake_.binFolder() + ":/usr/bin:/bin");
    ModalSeam::pushButton(QMessageBox::Ok);
    const QDate before = QDate::currentDate();
    clickSendEmail();
    const QDate after = QDate::currentDate();
    QLocale::setDefault(saved);

    const std::string text = fake_.attachedBytes();
    const std::string title = text.substr(0, text.find("\r\n"));
    const QLocale english(QLocale::English);
    auto titleOf = [&](const QDate& day) {
        return "SHOPPING LIST for " +
               english.toString(day, QStringLiteral("MMMM d, yyyy")).toStdString();
    };
    EXPECT_TRUE(title == titleOf(before) || title == titleOf(after)) << title;
    EXPECT_EQ(text.find('?'), std::string::npos) << text;
}

TEST_F(MailCommand, aFailingMailProgramShowsTheErrorBoxAndTheFileIsStillDeleted) {
    useMailLayerWithPath(fake_.binFolder() + ":/usr/bin:/bin");
    fake_.setExitCode(3);
    ModalSeam::pushButton(QMessageBox::Ok);
    runSendEmailCommand();

    ASSERT_FALSE(ModalSeam::hasPending());
    const ModalSeam::Request& box = ModalSeam::history().back();
    EXPECT_EQ(box.caption, "Provendo");
    EXPECT_EQ(box.text, "MAPI: Feature Not Supported. ErrorCode = 26.");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(fake_.ran());
    EXPECT_FALSE(fs::exists(textFile()));
}

TEST_F(MailCommand, withoutXdgEmailTheCommandShowsNothingAndLeavesNoFile) {
    useMailLayerWithPath(fake_.folder());
    ModalSeam::pushButton(QMessageBox::Ok);
    runSendEmailCommand();
    EXPECT_TRUE(ModalSeam::hasPending()) << "a missing mail program is not an error";
    EXPECT_FALSE(fs::exists(textFile()));
    EXPECT_FALSE(fake_.ran());
}

TEST_F(MailCommand, aTextFileThatCannotBeWrittenStopsTheCommandBeforeAnyMail) {
    useMailLayerWithPath(fake_.binFolder() + ":/usr/bin:/bin");
    const std::string missing = appDir_.file("gone/");
    platform::setExecutableFolderForTesting(missing);
    ModalSeam::pushButton(QMessageBox::Ok);
    runSendEmailCommand();
    // The window writes its category names beside the program when it goes.
    platform::setExecutableFolderForTesting(appDir_.path());

    ASSERT_FALSE(ModalSeam::hasPending());
    EXPECT_EQ(ModalSeam::history().back().text,
              QString::fromStdString("Cannot create file \"" + missing +
                                     "ShoppingList.txt\". No such file or directory."));
    EXPECT_FALSE(fake_.ran());
}

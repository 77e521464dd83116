#include "share/MailCommand.h"

#include "share/MapiSendMessage.h"
#include "tests/support/TempDir.h"

#include <QLocale>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace platform::mapi;

namespace {

// Keeps what each call carried, the attached files' bytes above all: the command deletes
// them as soon as the send returns.
class CapturingMail : public platform::SimpleMail {
public:
    ULong sendResult = SuccessSuccess;
    std::vector<std::string> calls;
    std::string subject;
    std::vector<std::string> paths;
    std::vector<std::string> bytes;

    ULong MAPILogon(LHandle, const char*, const char*, ULong, ULong, LHandle* session) override {
        calls.emplace_back("logon");
        *session = 5;
        return SuccessSuccess;
    }
    ULong MAPIResolveName(LHandle, LHandle, const char*, ULong, ULong, MapiRecipDesc**) override {
        calls.emplace_back("resolve");
        return GeneralFailure;
    }
    ULong MAPISendMail(LHandle, LHandle, MapiMessage* message, ULong, ULong) override {
        calls.emplace_back("send");
        subject = message->lpszSubject;
        for (ULong i = 0; i < message->nFileCount; ++i) {
            paths.emplace_back(message->lpFiles[i].lpszPathName);
            bytes.push_back(readBytes(paths.back()));
        }
        return sendResult;
    }
    ULong MAPIFreeBuffer(void*) override { return SuccessSuccess; }
};

class EmailCommand : public testing::Test {
protected:
    EmailCommand() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        command_.setClock([] { return QDate(2026, 12, 10); });
        model::CategoryList& dairy = document_.list(0);
        dairy.setTicked(dairy.append("Milk\t2"), true);
        dairy.append("Cheese\t1");
        document_.setNotes("Bring bags");
    }
    ~EmailCommand() override { QLocale::setDefault(savedLocale_); }

    std::string textFile() const { return dir_.file("ShoppingList.txt"); }

    const QLocale savedLocale_;
    TempAppDir dir_;
    CapturingMail mail_;
    QObject window_;
    share::MailCommand command_{&window_, &mail_};
    model::Document document_;
};

const std::string RenderedBody =
    "\r\n\r\n\r\nDAIRY\r\n\r\nMilk" + std::string(46, ' ') + "2\r\n\r\nNotes:\r\nBring bags\r\n";

} // namespace

TEST_F(EmailCommand, sendsTodaysListAsTheOneAttachmentAndDeletesTheFileAfterwards) {
    auto* component = window_.findChild<share::TMapiSendMessage*>(QStringLiteral("mapiSendMessage"),
                                                                  Qt::FindDirectChildrenOnly);
    ASSERT_EQ(component, command_.mapiSendMessage());

    command_.send(document_);
    EXPECT_EQ(mail_.calls, (std::vector<std::string>{"logon", "send"}));
    EXPECT_EQ(mail_.subject, "Shopping List");
    ASSERT_EQ(mail_.paths, std::vector<std::string>{textFile()});
    EXPECT_EQ(mail_.bytes[0], "SHOPPING LIST for December 10, 2026" + RenderedBody);
    EXPECT_FALSE(fs::exists(textFile()));
}

TEST_F(EmailCommand, theMonthIsNamedInTheUserLocaleOfTheMomentOrInEnglishWhenTheCodePageLacksIt) {
    command_.setClock([] { return QDate(2004, 3, 5); });
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    command_.send(document_);
    QLocale::setDefault(QLocale(QLocale::Greek));
    command_.send(document_);
    ASSERT_EQ(mail_.bytes.size(), 2u);
    EXPECT_EQ(mail_.bytes[0], "SHOPPING LIST for M\xe4rz 5, 2004" + RenderedBody);
    EXPECT_EQ(mail_.bytes[1], "SHOPPING LIST for March 5, 2004" + RenderedBody);
}

TEST_F(EmailCommand, aFailedOrCancelledSendRaisesItsErrorAndStillDeletesTheFile) {
    mail_.sendResult = NotSupported;
    EXPECT_THROW(command_.send(document_), share::EMapiError);
    EXPECT_EQ(mail_.bytes.size(), 1u);
    EXPECT_FALSE(fs::exists(textFile()));

    mail_.sendResult = UserAbort;
    EXPECT_THROW(command_.send(document_), share::EMapiUserAbort);
    EXPECT_EQ(mail_.bytes.size(), 2u);
    EXPECT_FALSE(fs::exists(textFile()));
}

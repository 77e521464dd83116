#include "share/MapiSendMessage.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <filesystem>
#include <gtest/gtest.h>
#include <list>

namespace fs = std::filesystem;
using namespace platform::mapi;
using share::EMapiError;
using share::EMapiUserAbort;
using share::TMapiSendMessage;

namespace {

// Records every call with its arguments; what a send carried is copied out while the
// pointers are still valid.
class RecordingMail : public platform::SimpleMail {
public:
    struct Sent {
        LHandle session = 0;
        ULong flags = 0;
        std::string subject;
        std::string body;
        std::vector<std::string> recipients; // "class:name:address"
        std::vector<std::string> files;      // "position:path" and whether a name was set
        bool cursorWasBusy = false;
    };

    ULong logonResult = 0;
    ULong sendResult = 0;
    int failResolveAt = -1; // index of the name whose resolving fails
    std::string folderDuringSend;

    std::vector<std::string> calls;
    std::vector<Sent> sent;

    int outstandingRecords() const { return static_cast<int>(records_.size()); }

    ULong MAPILogon(LHandle uiParam, const char* profile, const char* password, ULong flags,
                    ULong reserved, LHandle* session) override {
        calls.push_back("logon " + std::to_string(uiParam) + " " + profile + " " + password + " " +
                        std::to_string(flags) + " " + std::to_string(reserved));
        if (logonResult == 0)
            *session = 77;
        return logonResult;
    }
    ULong MAPIResolveName(LHandle session, LHandle uiParam, const char* name, ULong flags, ULong,
                          MapiRecipDesc** recip) override {
        calls.push_back("resolve " + std::to_string(session) + " " + std::to_string(uiParam) + " " +
                        name + " " + std::to_string(flags));
        if (resolved_++ == failResolveAt)
            return 21;
        auto& record = records_.emplace_back();
        record.name = name;
        record.address = "SMTP:" + record.name;
        record.desc = {5, 0, record.name.data(), record.address.data(), 3, record.address.data()};
        *recip = &record.desc;
        return 0;
    }
    ULong MAPISendMail(LHandle session, LHandle, MapiMessage* message, ULong flags,
                       ULong) override {
        calls.push_back("send " + std::to_string(session) + " " + std::to_string(flags));
        Sent s;
        s.session = session;
        s.flags = flags;
        s.subject = message->lpszSubject;
        s.body = message->lpszNoteText;
        for (ULong i = 0; i < message->nRecipCount; ++i) {
            const MapiRecipDesc& r = message->lpRecips[i];
            s.recipients.push_back(std::to_string(r.ulRecipClass) + ":" + r.lpszName + ":" +
                                   r.lpszAddress + ":" + std::to_string(r.ulReserved) +
                                   std::to_string(r.ulEIDSize));
        }
        for (ULong i = 0; i < message->nFileCount; ++i) {
            const MapiFileDesc& f = message->lpFiles[i];
            s.files.push_back(std::to_string(f.nPosition) + ":" + f.lpszPathName +
                              (f.lpszFileName || f.lpFileType || f.flFlags ? ":named" : ""));
        }
        const QCursor* cursor = QGuiApplication::overrideCursor();
        s.cursorWasBusy = cursor && cursor->shape() == Qt::WaitCursor;
        sent.push_back(s);
        if (!folderDuringSend.empty())
            fs::current_path(folderDuringSend);
        return sendResult;
    }
    ULong MAPIFreeBuffer(void* buffer) override {
        calls.emplace_back("free");
        records_.remove_if([buffer](const Record& r) { return &r.desc == buffer; });
        return 0;
    }

private:
    struct Record {
        MapiRecipDesc desc{};
        std::string name;
        std::string address;
    };
    std::list<Record> records_;
    int resolved_ = 0;
};

class MapiSendMessageTest : public testing::Test {
protected:
    RecordingMail mail;
    TMapiSendMessage component{nullptr, &mail};
};

} // namespace

TEST_F(MapiSendMessageTest, firstSendLogsOnWithTheDefaultProfileLaterSendsReuseTheSession) {
    component.setSubject("Shopping List");
    component.setAttachments({"ShoppingList.txt"});
    component.Send();
    component.Send();
    EXPECT_EQ(mail.calls, (std::vector<std::string>{"logon 0   73 0", "send 77 9", "send 77 9"}));
    EXPECT_EQ(component.sessionHandle(), 77u);
    const RecordingMail::Sent& s = mail.sent.at(0);
    EXPECT_EQ(s.subject, "Shopping List");
    EXPECT_EQ(s.body, "");
    EXPECT_TRUE(s.recipients.empty());
    // A full path, not placed in the body, named after the file by the service.
    EXPECT_EQ(s.files, (std::vector<std::string>{
                           "4294967295:" + (fs::current_path() / "ShoppingList.txt").string()}));
    EXPECT_TRUE(s.cursorWasBusy);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MapiSendMessageTest, failedLogonRaisesItsErrorSendsNothingAndIsRetriedNextTime) {
    component.setProfileName("Home");
    component.setPassword("secret");
    mail.logonResult = 3;
    try {
        component.Send();
        FAIL() << "a failed logon went unnoticed";
    } catch (const EMapiError& error) {
        EXPECT_STREQ(error.what(), "MAPI: Login Failure. ErrorCode = 3");
        EXPECT_EQ(error.errorCode(), 3u);
    }
    EXPECT_EQ(component.sessionHandle(), 0u);
    mail.logonResult = 0;
    component.Send();
    EXPECT_EQ(mail.calls, (std::vector<std::string>{"logon 0 Home secret 9 0",
                                                    "logon 0 Home secret 9 0", "send 77 9"}));
}

TEST_F(MapiSendMessageTest, recipientsResolveInToCcBccOrderAndTheirRecordsAreFreed) {
    component.setToRecipients({"ann", "bob"});
    component.setCcRecipients({"cy"});
    component.setBccRecipients({"di"});
    component.setReview(false);
    component.Send();
    EXPECT_EQ(mail.calls, (std::vector<std::string>{"logon 0   73 0", "resolve 77 0 ann 1",
                                                    "resolve 77 0 bob 1", "resolve 77 0 cy 1",
                                                    "resolve 77 0 di 1", "send 77 1", "free",
                                                    "free", "free", "free"}));
    EXPECT_EQ(mail.sent.at(0).recipients,
              (std::vector<std::string>{"1:ann:SMTP:ann:53", "1:bob:SMTP:bob:53", "2:cy:SMTP:cy:53",
                                        "3:di:SMTP:di:53"}));
    EXPECT_EQ(mail.outstandingRecords(), 0);

    // Review shows the dialogs; so does a message without a To recipient.
    component.setReview(true);
    component.setToRecipients({"ann"});
    component.setCcRecipients({});
    component.setBccRecipients({});
    mail.calls.clear();
    component.Send();
    EXPECT_EQ(mail.calls, (std::vector<std::string>{"resolve 77 0 ann 9", "send 77 9", "free"}));
    component.setReview(false);
    component.setToRecipients({});
    component.setCcRecipients({"cy"});
    mail.calls.clear();
    component.Send();
    EXPECT_EQ(mail.calls, (std::vector<std::string>{"resolve 77 0 cy 1", "send 77 9", "free"}));
}

TEST_F(MapiSendMessageTest, recordsAreFreedWhenResolvingOrSendingFails) {
    component.setToRecipients({"ann", "bob", "cy"});
    mail.failResolveAt = 2;
    try {
        component.Send();
        FAIL() << "an ambiguous name went unnoticed";
    } catch (const EMapiError& error) {
        EXPECT_EQ(error.errorCode(), 21u);
    }
    EXPECT_TRUE(mail.sent.empty());
    EXPECT_EQ(mail.outstandingRecords(), 0);

    mail.failResolveAt = -1;
    mail.sendResult = 23;
    EXPECT_THROW(component.Send(), EMapiError);
    EXPECT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.outstandingRecords(), 0);
}

TEST_F(MapiSendMessageTest, everyResultCodeRaisesItsErrorWithTheExactText) {
    const char* texts[] = {"General Failure",
                           "Login Failure",
                           "Disk Full",
                           "Insufficient Memory",
                           "Access Denied",
                           "Unknown Error",
                           "Too Many Sessions",
                           "Too Many Files",
                           "Too Many Recipients",
                           "Attachment Not Found",
                           "Attachment Open Failure",
                           "Attachment Write Failure",
                           "Unknown Recipient",
                           "Bad Recipient Type",
                           "No Messages",
                           "Invalid Message",
                           "Text Too Large",
                           "Invalid Session",
                           "Type Not Supported",
                           "Ambiguous Recipient",
                           "Message In Use",
                           "Network Failure",
                           "Invalid Edit Fields",
                           "Invalid Recipients",
                           "Feature Not Supported",
                           "Unknown Error"};
    for (ULong code = 2; code <= 27; ++code) {
        mail.sendResult = code;
        try {
            component.Send();
            ADD_FAILURE() << "code " << code << " raised nothing";
        } catch (const EMapiError& error) {
            EXPECT_EQ(std::string(error.what()), std::string("MAPI: ") + texts[code - 2] +
                                                     ". ErrorCode = " + std::to_string(code));
            EXPECT_EQ(error.errorCode(), code);
        }
    }
    EXPECT_EQ(share::mapiErrorText(0xFFFFFFFFu), "Unknown Error");

    mail.sendResult = 1;
    try {
        component.Send();
        ADD_FAILURE() << "a cancel raised nothing";
    } catch (const platform::EAbort& abort) {
        EXPECT_NE(dynamic_cast<const EMapiUserAbort*>(&abort), nullptr);
        EXPECT_STREQ(abort.what(), "User Abort");
    }
}

TEST_F(MapiSendMessageTest, linkedControlsGiveSubjectAndBodyUntilTheyGoAway) {
    component.setSubject("Shopping List");
    component.setMessageText({"first", "second"});
    component.Send();
    EXPECT_EQ(mail.sent.back().body, "first\r\nsecond\r\n");
    {
        QLineEdit edit(QStringLiteral("From the field \u00e9"));
        QPlainTextEdit memo(QStringLiteral("one\ntwo"));
        component.setSubjectEdit(&edit);
        component.setMessageMemo(&memo);
        component.Send();
        EXPECT_EQ(mail.sent.back().subject, "From the field \xe9");
        EXPECT_EQ(mail.sent.back().body, "one\r\ntwo\r\n");
    }
    EXPECT_EQ(component.SubjectEdit(), nullptr);
    EXPECT_EQ(component.MessageMemo(), nullptr);
    component.Send();
    EXPECT_EQ(mail.sent.back().subject, "Shopping List");
    EXPECT_EQ(mail.sent.back().body, "one\r\ntwo\r\n") << "the memo's lines were copied in";
}

TEST_F(MapiSendMessageTest, oversizedNamesPathsAndCountsFailBeforeAnyServiceCall) {
    const auto expectRefused = [&](unsigned long code) {
        try {
            component.Send();
            ADD_FAILURE() << "not refused, code " << code;
        } catch (const EMapiError& error) {
            EXPECT_EQ(error.errorCode(), code);
        }
        EXPECT_TRUE(mail.calls.empty());
    };
    component.setCcRecipients({std::string(256, 'n')});
    expectRefused(25);
    component.setCcRecipients(std::vector<std::string>(2731, "n"));
    expectRefused(10);
    component.setCcRecipients({});
    const std::string folder = fs::current_path().string() + "/";
    component.setAttachments({folder + std::string(256 - folder.size(), 'f')});
    expectRefused(12);
    component.setAttachments(std::vector<std::string>(2731, "f"));
    expectRefused(9);

    component.setToRecipients(std::vector<std::string>(2730, std::string(255, 'n')));
    component.setAttachments({folder + std::string(255 - folder.size(), 'f')});
    component.Send();
    EXPECT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.outstandingRecords(), 0);
}

TEST_F(MapiSendMessageTest, currentFolderIsRestoredAfterAFailedSend) {
    const fs::path before = fs::current_path();
    mail.folderDuringSend = fs::temp_directory_path().string();
    mail.sendResult = 2;
    EXPECT_THROW(component.Send(), EMapiError);
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

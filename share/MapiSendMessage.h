#pragma once

#include "platform/Errors.h"
#include "platform/SimpleMail.h"

#include <QObject>
#include <QPointer>
#include <stdexcept>
#include <string>
#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace share {

// A simple-mail result other than success and user abort; the message is
// "MAPI: <text>. ErrorCode = <code>".
class EMapiError : public std::runtime_error {
public:
    EMapiError(const std::string& text, unsigned long code);
    unsigned long errorCode() const { return code_; }

private:
    unsigned long code_;
};

// The user cancelled, or the system offers no simple mail: silent.
class EMapiUserAbort : public platform::EAbort {
public:
    using platform::EAbort::EAbort;
};

// The text of a simple-mail result code ("Unknown Error" for 7 and codes above 26).
std::string mapiErrorText(unsigned long code);
// Raises EMapiUserAbort for 1 and EMapiError for every other code.
[[noreturn]] void raiseMapiError(unsigned long code);

// Submits one message through the simple-mail service: logs on once and keeps the
// session for the run (it never logs off), resolves the recipients, attaches files by
// full path. Lists are byte strings in the document's single-byte text.
class TMapiSendMessage : public QObject {
    Q_OBJECT
public:
    // Each recipient name and attachment path goes through a 256-byte buffer, and the
    // recipient and file arrays are sized with 16-bit byte counts at 24 bytes an entry.
    static constexpr std::size_t MaxTextLength = 255;
    static constexpr std::size_t MaxEntries = 2730;

    // Uses the library of the run (platform::simpleMail()) unless the caller names another.
    explicit TMapiSendMessage(QObject* owner = nullptr, platform::SimpleMail* service = nullptr);

    const std::string& Subject() const { return subject_; }
    void setSubject(std::string subject) { subject_ = std::move(subject); }
    // When set, its text is the subject. Cleared when the control goes away.
    QLineEdit* SubjectEdit() const;
    void setSubjectEdit(QLineEdit* edit);
    const std::vector<std::string>& MessageText() const { return messageText_; }
    void setMessageText(std::vector<std::string> lines) { messageText_ = std::move(lines); }
    // When set, its lines replace MessageText at each send.
    QPlainTextEdit* MessageMemo() const;
    void setMessageMemo(QPlainTextEdit* memo);
    const std::vector<std::string>& ToRecipients() const { return to_; }
    void setToRecipients(std::vector<std::string> names) { to_ = std::move(names); }
    const std::vector<std::string>& CcRecipients() const { return cc_; }
    void setCcRecipients(std::vector<std::string> names) { cc_ = std::move(names); }
    const std::vector<std::string>& BccRecipients() const { return bcc_; }
    void setBccRecipients(std::vector<std::string> names) { bcc_ = std::move(names); }
    const std::vector<std::string>& Attachments() const { return attachments_; }
    void setAttachments(std::vector<std::string> paths) { attachments_ = std::move(paths); }
    const std::string& ProfileName() const { return profileName_; }
    void setProfileName(std::string name) { profileName_ = std::move(name); }
    const std::string& Password() const { return password_; }
    void setPassword(std::string password) { password_ = std::move(password); }
    bool Review() const { return review_; }
    void setReview(bool review) { review_ = review; }

    // Logs on to the service and keeps the session; a failure leaves the handle at 0.
    void Logon();
    // Submits one message built from the properties; raises EMapiUserAbort or EMapiError.
    void Send();

    platform::mapi::LHandle sessionHandle() const { return session_; }

private:
    void checkLimits(const std::vector<std::string>& fullPaths) const;
    platform::mapi::LHandle windowHandle() const;
    platform::SimpleMail& service() const;

    platform::SimpleMail* service_;
    platform::mapi::LHandle session_ = 0;
    std::string subject_;
    QPointer<QLineEdit> subjectEdit_;
    std::vector<std::string> messageText_;
    QPointer<QPlainTextEdit> messageMemo_;
    std::vector<std::string> to_;
    std::vector<std::string> cc_;
    std::vector<std::string> bcc_;
    std::vector<std::string> attachments_;
    std::string profileName_;
    std::string password_;
    bool review_ = true;
};

} // namespace share

#include "share/MapiSendMessage.h"

#include "platform/TextCodec.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <array>
#include <filesystem>

namespace share {

namespace fs = std::filesystem;
using namespace platform::mapi;

namespace {

constexpr ULong AllBitsSet = 0xFFFFFFFFu;

// Index = result code; 7 has no text of its own.
constexpr std::array<const char*, 27> ErrorTexts{"",
                                                 "User Abort",
                                                 "General Failure",
                                                 "Login Failure",
                                                 "Disk Full",
                                                 "Insufficient Memory",
                                                 "Access Denied",
                                                 nullptr,
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
                                                 "Feature Not Supported"};

class BusyCursor {
public:
    BusyCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (active_)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool active_;
};

// A mail service may change the process's current folder; it is put back either way.
class CurrentFolderKeeper {
public:
    CurrentFolderKeeper() { folder_ = fs::current_path(error_); }
    ~CurrentFolderKeeper() {
        if (!error_)
            fs::current_path(folder_, error_);
    }
    CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
    CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

private:
    fs::path folder_;
    std::error_code error_;
};

// The records the service resolved for one message; the service frees each of them on
// every way out of the send.
class ResolvedRecipients {
public:
    explicit ResolvedRecipients(platform::SimpleMail& service) : service_(service) {}
    ~ResolvedRecipients() {
        for (MapiRecipDesc* record : records_)
            service_.MAPIFreeBuffer(record);
    }
    ResolvedRecipients(const ResolvedRecipients&) = delete;
    ResolvedRecipients& operator=(const ResolvedRecipients&) = delete;
    void add(MapiRecipDesc* record) { records_.push_back(record); }

private:
    platform::SimpleMail& service_;
    std::vector<MapiRecipDesc*> records_;
};

std::vector<std::string> memoLines(const QPlainTextEdit& memo) {
    QString text = memo.toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty())
        return lines;
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.push_back(platform::fromQString(line));
    return lines;
}

// The message's entry for a resolved recipient, in the class it was named in.
MapiRecipDesc recipientEntry(const MapiRecipDesc& record, ULong recipClass) {
    MapiRecipDesc entry{};
    entry.ulReserved = record.ulReserved;
    entry.ulRecipClass = recipClass;
    entry.lpszName = record.lpszName;
    entry.lpszAddress = record.lpszAddress;
    entry.ulEIDSize = record.ulEIDSize;
    entry.lpEntryID = record.lpEntryID;
    return entry;
}

std::vector<MapiFileDesc> attachmentFiles(std::vector<std::string>& fullPaths) {
    std::vector<MapiFileDesc> files(fullPaths.size());
    for (std::size_t i = 0; i < fullPaths.size(); ++i) {
        files[i].nPosition = AllBitsSet; // not placed inside the body text
        files[i].lpszPathName = fullPaths[i].data();
    }
    return files;
}

} // namespace

EMapiError::EMapiError(const std::string& text, unsigned long code)
    : std::runtime_error("MAPI: " + text + ". ErrorCode = " + std::to_string(code)), code_(code) {}

std::string mapiErrorText(unsigned long code) {
    if (code < ErrorTexts.size() && ErrorTexts[code])
        return ErrorTexts[code];
    return "Unknown Error";
}

void raiseMapiError(unsigned long code) {
    if (code == UserAbort)
        throw EMapiUserAbort(mapiErrorText(code));
    throw EMapiError(mapiErrorText(code), code);
}

TMapiSendMessage::TMapiSendMessage(QObject* owner, platform::SimpleMail* service)
    : QObject(owner), service_(service) {}

platform::SimpleMail& TMapiSendMessage::service() const {
    return service_ ? *service_ : platform::simpleMail();
}

QLineEdit* TMapiSendMessage::SubjectEdit() const {
    return subjectEdit_;
}

void TMapiSendMessage::setSubjectEdit(QLineEdit* edit) {
    subjectEdit_ = edit;
}

QPlainTextEdit* TMapiSendMessage::MessageMemo() const {
    return messageMemo_;
}

void TMapiSendMessage::setMessageMemo(QPlainTextEdit* memo) {
    messageMemo_ = memo;
}

void TMapiSendMessage::Logon() {
    LHandle session = 0;
    const ULong flags = profileName_.empty() ? (UseDefault | Dialog | LogonUi) : (Dialog | LogonUi);
    const ULong result =
        service().MAPILogon(0, profileName_.c_str(), password_.c_str(), flags, 0, &session);
    if (result != SuccessSuccess)
        raiseMapiError(result);
    session_ = session;
}

void TMapiSendMessage::checkLimits(const std::vector<std::string>& fullPaths) const {
    if (to_.size() + cc_.size() + bcc_.size() > MaxEntries)
        throw EMapiError(mapiErrorText(10), 10);
    if (fullPaths.size() > MaxEntries)
        throw EMapiError(mapiErrorText(9), 9);
    for (const auto* names : {&to_, &cc_, &bcc_})
        for (const std::string& name : *names)
            if (name.size() > MaxTextLength)
                throw EMapiError("Recipient name longer than 255 characters", 25);
    for (const std::string& path : fullPaths)
        if (path.size() > MaxTextLength)
            throw EMapiError("Attachment path longer than 255 characters", 12);
}

LHandle TMapiSendMessage::windowHandle() const {
    auto* owner = qobject_cast<QWidget*>(parent());
    return owner ? static_cast<LHandle>(owner->window()->winId()) : 0;
}

void TMapiSendMessage::Send() {
    const BusyCursor busy;
    const CurrentFolderKeeper keeper;

    std::vector<std::string> fullPaths;
    fullPaths.reserve(attachments_.size());
    for (const std::string& path : attachments_)
        fullPaths.push_back(fs::absolute(fs::path(path)).lexically_normal().string());
    // Checked before the service is called at all: it takes these through fixed buffers.
    checkLimits(fullPaths);

    if (session_ == 0)
        Logon();

    if (messageMemo_)
        messageText_ = memoLines(*messageMemo_);
    std::string body;
    for (const std::string& line : messageText_)
        body += line + "\r\n";
    std::string subject = subjectEdit_ ? platform::fromQString(subjectEdit_->text()) : subject_;

    MapiMessage message{};
    message.lpszSubject = subject.data();
    message.lpszNoteText = body.data();

    ResolvedRecipients resolved(service());
    std::vector<MapiRecipDesc> recipients;
    recipients.reserve(to_.size() + cc_.size() + bcc_.size());
    const std::pair<ULong, const std::vector<std::string>*> classes[] = {
        {RecipTo, &to_}, {RecipCc, &cc_}, {RecipBcc, &bcc_}};
    for (const auto& [recipClass, names] : classes) {
        for (const std::string& name : *names) {
            MapiRecipDesc* record = nullptr;
            const ULong result = service().MAPIResolveName(
                session_, 0, name.c_str(), review_ ? (Dialog | LogonUi) : LogonUi, 0, &record);
            if (result != SuccessSuccess)
                raiseMapiError(result);
            if (!record)
                raiseMapiError(GeneralFailure);
            resolved.add(record);
            recipients.push_back(recipientEntry(*record, recipClass));
        }
    }

    std::vector<MapiFileDesc> files = attachmentFiles(fullPaths);

    message.nRecipCount = static_cast<ULong>(recipients.size());
    message.lpRecips = recipients.empty() ? nullptr : recipients.data();
    message.nFileCount = static_cast<ULong>(files.size());
    message.lpFiles = files.empty() ? nullptr : files.data();

    const ULong flags = review_ || to_.empty() ? (Dialog | LogonUi) : LogonUi;
    const ULong result = service().MAPISendMail(session_, windowHandle(), &message, flags, 0);
    if (result != SuccessSuccess)
        raiseMapiError(result);
}

} // namespace share

#include "share/MailCommand.h"

#include "platform/ReplaceFile.h"
#include "share/LocaleDates.h"
#include "share/ShoppingText.h"

#include <QLocale>

namespace share {

namespace {

// The text file exists only while the command runs, whatever becomes of the send.
class DeleteOnExit {
public:
    explicit DeleteOnExit(std::string path) : path_(std::move(path)) {}
    ~DeleteOnExit() { platform::deleteFileQuietly(path_); }
    DeleteOnExit(const DeleteOnExit&) = delete;
    DeleteOnExit& operator=(const DeleteOnExit&) = delete;

private:
    std::string path_;
};

} // namespace

MailCommand::MailCommand(QObject* window, platform::SimpleMail* service)
    : QObject(window), mapiSendMessage_(new TMapiSendMessage(window, service)) {
    mapiSendMessage_->setObjectName(QStringLiteral("mapiSendMessage"));
    mapiSendMessage_->setSubject("Shopping List");
}

void MailCommand::send(const model::Document& document) {
    // TextLines: the rendered list, made just before rendering and gone after sending.
    std::vector<std::string> TextLines;
    const std::string path = shoppingListPath();
    const DeleteOnExit textFile(path);
    RenderShoppingText(document, calendarDate(clock_()), textFileMonthNames(QLocale()), TextLines);
    mapiSendMessage_->setAttachments({path});
    mapiSendMessage_->Send();
}

} // namespace share

// The e-mail command: the ticked items go to the user's mail program as an attached
// ShoppingList.txt.
#include "app/Main.h"

#include "platform/ReplaceFile.h"
#include "share/LocaleDates.h"
#include "share/MapiSendMessage.h"
#include "share/ShoppingText.h"

#include <QAction>
#include <QDate>
#include <QLocale>

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

void TfrmMain::wireMailCommands() {
    auto* mapiSendMessage = new share::TMapiSendMessage(this);
    mapiSendMessage->setObjectName(QStringLiteral("mapiSendMessage"));
    mapiSendMessage->setSubject("Shopping List");
    connect(ui_.MainMenuToolsSendEmail, &QAction::triggered, this,
            &TfrmMain::MainMenuToolsSendEmailClick);
}

void TfrmMain::MainMenuToolsSendEmailClick() {
    auto* mapiSendMessage = findChild<share::TMapiSendMessage*>(QStringLiteral("mapiSendMessage"),
                                                                Qt::FindDirectChildrenOnly);
    // TextLines: the rendered list, made just before rendering and gone after sending.
    std::vector<std::string> TextLines;
    std::vector<std::string> attachments;
    const std::string path = share::shoppingListPath();
    const DeleteOnExit textFile(path);
    share::RenderShoppingText(document_, share::calendarDate(QDate::currentDate()),
                              share::textFileMonthNames(QLocale()), TextLines);
    attachments.push_back(path);
    mapiSendMessage->setAttachments(attachments);
    mapiSendMessage->Send();
}

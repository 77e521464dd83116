// The e-mail command: the ticked items go to the user's mail program as an attached
// ShoppingList.txt.
#include "app/Main.h"

#include "platform/ReplaceFile.h"
#include "platform/TextCodec.h"
#include "share/MapiSendMessage.h"
#include "share/ShoppingText.h"

#include <QAction>
#include <QDate>
#include <QLocale>

namespace {

// Month names as the user's regional settings give them.
share::MonthNames userMonthNames() {
    const QLocale locale = QLocale::system();
    share::MonthNames names;
    for (int month = 1; month <= 12; ++month)
        names[static_cast<std::size_t>(month - 1)] =
            platform::fromQString(locale.monthName(month, QLocale::LongFormat));
    return names;
}

share::CalendarDate today() {
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

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
    connect(MainMenuToolsSendEmail, &QAction::triggered, this,
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
    share::RenderShoppingText(document_, today(), userMonthNames(), TextLines);
    attachments.push_back(path);
    mapiSendMessage->setAttachments(attachments);
    mapiSendMessage->Send();
}

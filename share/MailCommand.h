#pragma once

#include "model/Document.h"
#include "platform/SimpleMail.h"
#include "share/Clock.h"
#include "share/MapiSendMessage.h"

#include <QObject>
#include <QPointer>

namespace share {

// Tools > Send E-mail: the ticked items go to the user's mail program as an attached
// ShoppingList.txt, written for today with the month names of the user's locale and
// deleted again whatever becomes of the send.
class MailCommand : public QObject {
    Q_OBJECT
public:
    // The mail component "mapiSendMessage" is made a child of window, which owns it and
    // whose window the mail program's dialog belongs to. It uses the simple-mail library
    // of the run unless service names another.
    explicit MailCommand(QObject* window, platform::SimpleMail* service = nullptr);

    TMapiSendMessage* mapiSendMessage() const { return mapiSendMessage_; }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    const Clock& clock() const { return clock_; }

    // Renders, attaches and sends. Raises platform::EFileError when the text file cannot
    // be written (nothing is sent then), and the mail component's errors.
    void send(const model::Document& document);

private:
    QPointer<TMapiSendMessage> mapiSendMessage_;
    Clock clock_ = systemToday;
};

} // namespace share

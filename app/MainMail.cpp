// Tools > Send E-mail, forwarded to the e-mail command.
#include "app/Main.h"

#include "share/MailCommand.h"

#include <QAction>

void TfrmMain::wireMailCommands() {
    mail_ = new share::MailCommand(this);
    connect(MainMenuToolsSendEmail, &QAction::triggered, this,
            &TfrmMain::MainMenuToolsSendEmailClick);
}

void TfrmMain::MainMenuToolsSendEmailClick() {
    mail_->send(document_);
}

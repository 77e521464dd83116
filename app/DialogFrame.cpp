#include "app/DialogFrame.h"

#include "app/Fonts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 428;
constexpr int ClientHeight = 124;
constexpr int ButtonBarHeight = 34;

QPushButton* barButton(QWidget* bar, const char* name, const QString& caption, int right) {
    auto* button = new QPushButton(caption, bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(ClientWidth - right - 75, (ButtonBarHeight - 25) / 2, 75, 25);
    return button;
}

} // namespace

DialogFrame::DialogFrame(const QString& caption, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    setFont(Fonts::windowFont());
    setFixedSize(ClientWidth, ClientHeight);

    boldLabel("Label1", tr("Name:"), 8, 8);
    edtRename = new QLineEdit(this);
    edtRename->setObjectName(QStringLiteral("edtRename"));
    edtRename->setAccessibleName(tr("Name"));
    edtRename->setGeometry(48, 32, 289, 24);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("btnsRename"));
    bar->setGeometry(0, ClientHeight - ButtonBarHeight, ClientWidth, ButtonBarHeight);
    cancelButton_ = barButton(bar, "CancelButton", tr("Cancel"), 8);
    okButton_ = barButton(bar, "OKButton", tr("OK"), 8 + 75 + 8);
    barButton(bar, "HelpButton", tr("&Help"), 8 + 2 * (75 + 8))->hide();
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &DialogFrame::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &DialogFrame::reject);
    setTabOrder(okButton_, cancelButton_);
}

QLabel* DialogFrame::boldLabel(const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void DialogFrame::accept() {
    done(ResultOk);
}

// Cancel, Esc and the close box all end here.
void DialogFrame::reject() {
    done(ResultCancel);
}

void DialogFrame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    edtRename->setFocus(Qt::OtherFocusReason);
}

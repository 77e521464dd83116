#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The frame the item and category dialogs share: a fixed 428 by 124 client area centred
// on the screen, a close box only, the window font, a bold "Name:" label and the name
// field, and the button bar along the bottom with OK (the default, result 1) and Cancel
// (result 2, also Esc and the close box).
class DialogFrame : public QDialog {
    Q_OBJECT
public:
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 2;

    DialogFrame(const QString& caption, QWidget* owner);

    QLineEdit* nameField() const { return edtRename; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    void accept() override;
    void reject() override;

protected:
    QLabel* boldLabel(const char* name, const QString& text, int left, int top);
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* edtRename;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

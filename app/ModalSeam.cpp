#include "app/ModalSeam.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialog>
#include <QFileDialog>
#include <QPointer>
#include <QPushButton>

namespace ModalSeam {

namespace {

std::deque<Responder>& queue() {
    static std::deque<Responder> q;
    return q;
}

std::vector<Request>& seen() {
    static std::vector<Request> s;
    return s;
}

bool answerFromQueue(const Request& request, Answer& answer) {
    if (queue().empty())
        return false;
    Responder responder = std::move(queue().front());
    queue().pop_front();
    seen().push_back(request);
    answer = responder(request);
    return true;
}

// Gives the keyboard back to the window and the control that had it once a dialog has
// closed: without this, a window system with no window manager leaves the input focus
// nowhere, and Alt shortcuts do nothing until the user clicks.
class KeyboardReturn {
public:
    explicit KeyboardReturn(QWidget* owner)
        : window_(owner ? owner->window() : QApplication::activeWindow()),
          focus_(QApplication::focusWidget()) {}
    ~KeyboardReturn() { giveBack(window_, focus_); }
    KeyboardReturn(const KeyboardReturn&) = delete;
    KeyboardReturn& operator=(const KeyboardReturn&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};

} // namespace

void giveBack(QWidget* window, QWidget* focus) {
    if (!window || !window->isVisible())
        return;
    window->activateWindow();
    if (focus && focus->window() == window && focus->isVisible() && focus->isEnabled())
        focus->setFocus(Qt::ActiveWindowFocusReason);
}

void closePopups(QWidget& dialog) {
    // A completer's list is a window of its own: it outlives the dialog that hid.
    for (QCompleter* completer : dialog.findChildren<QCompleter*>())
        if (QAbstractItemView* popup = completer->popup(); popup && popup->isVisible())
            popup->hide();
}

void push(Responder responder) {
    queue().push_back(std::move(responder));
}
void pushButton(int button) {
    push([button](const Request&) { return Answer{button, {}}; });
}
void pushPath(const QString& path) {
    push([path](const Request&) { return Answer{0, path}; });
}
void pushResult(int result) {
    push([result](const Request&) { return Answer{result, {}}; });
}
bool hasPending() {
    return !queue().empty();
}
void clear() {
    queue().clear();
    seen().clear();
}
const std::vector<Request>& history() {
    return seen();
}

int message(QWidget* parent, const QString& caption, const QString& text, QMessageBox::Icon icon,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
            QMessageBox::StandardButton escapeButton) {
    Answer answer;
    if (answerFromQueue(Request{Request::Message, caption, text, icon, nullptr}, answer))
        return answer.result;
    const KeyboardReturn keyboard(parent);
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    if (escapeButton != QMessageBox::NoButton)
        box.setEscapeButton(escapeButton);
    // Captions with access letters, as the program's own question boxes show them.
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(QObject::tr("&Yes"));
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(QObject::tr("&No"));
    const int result = box.exec();
    // Closing a box without an escape button yields no button; callers treat it as No.
    return result;
}

QString fileDialog(QFileDialog& dialog) {
    Answer answer;
    if (answerFromQueue(
            Request{Request::FileDialog, dialog.windowTitle(), {}, QMessageBox::NoIcon, &dialog},
            answer))
        return answer.path;
    const KeyboardReturn keyboard(dialog.parentWidget());
    const int result = dialog.exec();
    closePopups(dialog);
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int execDialog(QDialog& dialog) {
    Answer answer;
    if (answerFromQueue(
            Request{Request::Dialog, dialog.windowTitle(), {}, QMessageBox::NoIcon, &dialog},
            answer)) {
        dialog.done(answer.result);
        return answer.result;
    }
    const KeyboardReturn keyboard(dialog.parentWidget());
    const int result = dialog.exec();
    closePopups(dialog);
    return result;
}

} // namespace ModalSeam

#include "app/ModalSeam.h"

#include <QDialog>
#include <QFileDialog>
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

} // namespace

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
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
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
    return dialog.exec();
}

} // namespace ModalSeam

#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class QDialog;
class QFileDialog;
class QWidget;

// Every modal dialog and message box of the program goes through here, so that a test
// can answer it in advance instead of racing a real dialog with timers.
namespace ModalSeam {

struct Request {
    enum Kind { Message, FileDialog, Dialog };
    Kind kind = Message;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* dialog = nullptr; // the dialog about to be shown (FileDialog and Dialog)
};

// An answer: a QMessageBox::StandardButton for a message, a path (empty to cancel) for
// a file dialog, a dialog result for a dialog (the answer may fill the dialog first).
struct Answer {
    int result = 0;
    QString path;
};
using Responder = std::function<Answer(const Request&)>;

// Queues the answer to the next modal request. Without queued answers the real
// dialog is shown.
void push(Responder responder);
void pushButton(int button);
void pushPath(const QString& path);
void pushResult(int result);
bool hasPending();
void clear();
// Requests answered from the queue so far (tests read what was asked).
const std::vector<Request>& history();

int message(QWidget* parent, const QString& caption, const QString& text, QMessageBox::Icon icon,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
            QMessageBox::StandardButton escapeButton = QMessageBox::NoButton);
// Runs a file dialog; returns the chosen path, or an empty string when cancelled.
QString fileDialog(QFileDialog& dialog);
int execDialog(QDialog& dialog);

// After a dialog: the window gets the keyboard again, and focus goes back to the control
// that had it (when that is still there, visible and enabled).
void giveBack(QWidget* window, QWidget* focus);
// Hides pop-up lists (such as a file name's completions) that a closed dialog left open.
void closePopups(QWidget& dialog);

} // namespace ModalSeam

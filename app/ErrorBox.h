#pragma once

#include <QApplication>
#include <QString>
#include <exception>

class QWidget;

namespace ErrorBox {

// The message as shown: a full stop appended when the last character's code is above
// that of the full stop.
QString messageText(const QString& message);

// Shows the error box (caption the application title, error icon, OK) for an error that
// escaped a command; shows nothing for the silent abort kind.
void show(const std::exception& error, QWidget* parent = nullptr);
// For use in a catch block: shows whatever is being handled.
void showCurrent(QWidget* parent = nullptr);

} // namespace ErrorBox

// The application: routes every error that escapes an event handler to the error box.
class ProvendoApplication : public QApplication {
    Q_OBJECT
public:
    ProvendoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

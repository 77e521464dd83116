#include "app/ErrorBox.h"

#include "app/ModalSeam.h"
#include "platform/Errors.h"

#include <QApplication>
#include <QWidget>

namespace ErrorBox {

QString messageText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void show(const std::exception& error, QWidget* parent) {
    if (dynamic_cast<const platform::EAbort*>(&error))
        return;
    // Messages carry paths and system texts in the local 8-bit encoding.
    const QString message = QString::fromLocal8Bit(error.what());
    ModalSeam::message(parent ? parent : QApplication::activeWindow(),
                       QApplication::applicationName(), messageText(message), QMessageBox::Critical,
                       QMessageBox::Ok, QMessageBox::Ok);
}

void showCurrent(QWidget* parent) {
    try {
        throw;
    } catch (const std::exception& error) {
        show(error, parent);
    } catch (...) {
        ModalSeam::message(parent ? parent : QApplication::activeWindow(),
                           QApplication::applicationName(), QObject::tr("Unknown error."),
                           QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
    }
}

} // namespace ErrorBox

ProvendoApplication::ProvendoApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ProvendoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ErrorBox::showCurrent();
        return true;
    }
}

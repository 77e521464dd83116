#include "app/HelpViewer.h"

#include "app/HelpWindow.h"
#include "app/ModalSeam.h"

#include <QDir>
#include <QFileInfo>

namespace {

void tell(QWidget* owner, const QString& text) {
    ModalSeam::message(owner, QObject::tr("Provendo Help"), text, QMessageBox::Warning,
                       QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace

HelpViewer& HelpViewer::application() {
    static HelpViewer viewer;
    return viewer;
}

bool HelpViewer::command(int command, quintptr, QWidget* owner) {
    switch (command) {
    case HelpFinder:
        return showTopics(owner);
    case HelpQuit:
        if (window_)
            window_->close();
        return true;
    default:
        return false;
    }
}

bool HelpViewer::showTopics(QWidget* owner) {
    const QString shown = QDir::toNativeSeparators(helpFile_);
    if (helpFile_.isEmpty() || !QFileInfo(helpFile_).isFile()) {
        tell(owner, QObject::tr("Cannot find the help file \"%1\".\n\nThe help is kept in the "
                                "Help folder beside the program; installing the program "
                                "again puts it back.")
                        .arg(shown));
        return false;
    }
    if (window_ && (window_->helpFile() != helpFile_ || window_->parentWidget() != owner))
        delete window_;
    if (!window_) {
        QString error;
        window_ = HelpTopicsWindow::create(helpFile_, owner, error);
        if (!window_) {
            tell(owner, QObject::tr("The help file \"%1\" cannot be read. %2").arg(shown, error));
            return false;
        }
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

HelpTopicsWindow* HelpViewer::topicsWindow() const {
    return window_;
}

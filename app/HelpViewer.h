#pragma once

#include <QPointer>
#include <QString>

class HelpTopicsWindow;
class QWidget;

// The program's help viewer, driven by commands as the help menu sends them. It keeps the
// application's help file for the rest of the run and one topics window per help file;
// a help file that is missing or cannot be read is reported to the user here.
class HelpViewer {
public:
    enum Command {
        HelpQuit = 2,    // closes the topics window
        HelpFinder = 11, // shows the topics window: contents, index and search
    };

    static HelpViewer& application();

    void setHelpFile(const QString& path) { helpFile_ = path; }
    const QString& helpFile() const { return helpFile_; }

    // Runs a command for the help file; false when it could not be carried out (the user
    // has been told why). The topics window belongs to owner, so it closes with it.
    bool command(int command, quintptr data, QWidget* owner);

    HelpTopicsWindow* topicsWindow() const;

private:
    bool showTopics(QWidget* owner);

    QString helpFile_;
    QPointer<HelpTopicsWindow> window_;
};

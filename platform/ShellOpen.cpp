#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>
#include <memory>

#ifndef Q_OS_WIN
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#endif

namespace platform {

namespace {

#ifdef Q_OS_WIN

// The shell answers at once whether a program took the target.
class DesktopShell : public ShellOpen {
public:
    void open(const QString& target, Done done) override {
        const bool opened = QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
        if (done)
            done(opened);
    }
};

#else

// xdg-open finds the user's program for the target; only its exit status says whether
// one was found and took it (3: no program, 4: the program failed), so the helper is
// watched from the event loop instead of being waited for.
class DesktopShell : public ShellOpen {
public:
    void open(const QString& target, Done done) override {
        const QString helper = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (helper.isEmpty()) {
            answerLater(std::move(done), false);
            return;
        }
        // Without a parent: a helper still running when the program ends (one that
        // waits for the browser it started) is left running, not killed with it.
        auto* process = new QProcess;
        process->setProgram(helper);
        process->setArguments({target});
        process->setStandardInputFile(QProcess::nullDevice());
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        auto answer = std::make_shared<Done>(std::move(done));
        auto finish = [process, answer](bool opened) {
            if (*answer) {
                const Done once = std::move(*answer);
                *answer = nullptr;
                once(opened);
            }
            process->deleteLater();
        };
        QObject::connect(process, &QProcess::finished, process,
                         [finish](int code, QProcess::ExitStatus status) {
                             finish(status == QProcess::NormalExit && code == 0);
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [finish](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart)
                                 finish(false);
                         });
        process->start();
    }

private:
    static void answerLater(Done done, bool opened) {
        if (done)
            QTimer::singleShot(0, [done = std::move(done), opened] { done(opened); });
    }
};

#endif

ShellOpen*& fakeShell() {
    static ShellOpen* fake = nullptr;
    return fake;
}

} // namespace

ShellOpen& shell() {
    static DesktopShell desktop;
    return fakeShell() ? *fakeShell() : desktop;
}

void setShellForTesting(ShellOpen* fake) {
    fakeShell() = fake;
}

} // namespace platform

#pragma once

#include <QObject>
#include <QPointer>

class QSocketNotifier;

namespace platform {

// Turns a polite request to end (SIGTERM: the session ending, `kill`) into a signal on
// the user-interface thread, so that the program can close its window the normal way
// and keep what it writes on the way out. Without it the process would just vanish.
// Made first thing in main(): a request that comes while the program is still starting
// is kept and reported once watch() is called.
class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    TerminationWatcher();
    ~TerminationWatcher() override;
    TerminationWatcher(const TerminationWatcher&) = delete;
    TerminationWatcher& operator=(const TerminationWatcher&) = delete;

    // Starts reporting, from the application's event loop; needs the application object.
    void watch();

signals:
    void terminationRequested();

private:
    bool installed_ = false;
    QPointer<QSocketNotifier> notifier_; // owned by the application object
};

} // namespace platform

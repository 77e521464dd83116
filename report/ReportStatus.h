#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QPushButton;

namespace report {

// "Report Status": shown while pages are generated. It keeps the program's windows
// painted by handing events to the event loop as pages start (the rest of the
// program takes no input meanwhile, the window being application-modal), and its
// Cancel stops the generation.
class ReportStatus : public QDialog {
    Q_OBJECT
public:
    ReportStatus(const QString& caption, const QString& statusText, QWidget* parent = nullptr);

    // The progress step of layout: shows "%p" as the page number, lets events through at
    // most every few tens of milliseconds, and answers false once cancelled.
    bool pageStarted(int page);
    bool cancelled() const { return cancelled_; }
    QString statusLine() const;

public slots:
    void cancel();

protected:
    void reject() override;

private:
    QString statusText_;
    QLabel* lblStatus = nullptr;
    QPushButton* btnCancel = nullptr;
    QElapsedTimer sinceEvents_;
    bool cancelled_ = false;
};

} // namespace report

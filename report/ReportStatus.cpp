#include "report/ReportStatus.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace report {

namespace {
constexpr qint64 EventInterval = 40; // milliseconds between event passes
}

ReportStatus::ReportStatus(const QString& caption, const QString& statusText, QWidget* parent)
    : QDialog(parent), statusText_(statusText) {
    setObjectName(QStringLiteral("ReportStatus"));
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowModality(Qt::ApplicationModal);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setMinimumWidth(220);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnCancel, &QPushButton::clicked, this, &ReportStatus::cancel);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnCancel);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus);
    layout->addLayout(row);
}

QString ReportStatus::statusLine() const {
    return lblStatus->text();
}

bool ReportStatus::pageStarted(int page) {
    QString text = statusText_;
    lblStatus->setText(text.replace(QStringLiteral("%p"), QString::number(page)));
    if (!sinceEvents_.isValid() || sinceEvents_.elapsed() >= EventInterval) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        sinceEvents_.start();
    }
    return !cancelled_;
}

void ReportStatus::cancel() {
    cancelled_ = true;
    btnCancel->setEnabled(false);
}

// Escape and the window's close box cancel as the button does.
void ReportStatus::reject() {
    cancel();
}

} // namespace report

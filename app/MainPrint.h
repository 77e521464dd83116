#pragma once

#include "report/PrinterSetupDialog.h"
#include "report/ReportSystem.h"
#include "share/ReportTables.h"

#include <QObject>
#include <memory>

// What the main window owns for printing: the two report tables, the report engine
// with its own printer, and the application's printer selection that Print Setup
// changes (the report does not read it).
class PrintCommands : public QObject {
    Q_OBJECT
public:
    explicit PrintCommands(QObject* parent);
    ~PrintCommands() override;

    share::ReportTables& tables() { return tables_; }
    report::ReportSystem& reportSystem() { return reportSystem_; }
    // The application's printer selection: Print Setup starts from it and keeps what OK
    // chose, for this run only.
    const report::PrinterSetup& printSetup() const { return printSetup_; }
    // File > Print Setup: the setup dialog over the application's selection.
    void runPrintSetup(QWidget* owner);
    void setClock(share::ReportClock clock) { clock_ = std::move(clock); }
    const share::ReportClock& clock() const { return clock_; }

private:
    share::ReportTables tables_;
    report::ReportSystem reportSystem_;
    report::PrinterSetup printSetup_;
    bool printSetupChosen_ = false;

    share::ReportClock clock_ = share::systemToday;
};

#pragma once

#include "report/PrinterSetupDialog.h"
#include "report/ReportSystem.h"
#include "share/Clock.h"
#include "share/ReportTables.h"

#include <QObject>

class QWidget;

namespace share {

// File > Print and File > Print Setup: the two report tables, the report engine with its
// own printer, and the application's printer selection that Print Setup changes (the
// report does not read it). The program's dialogs and file writing come in as hooks.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(report::ReportHooks hooks, QObject* parent);
    ~PrintCommands() override;

    ReportTables& tables() { return tables_; }
    report::ReportSystem& reportSystem() { return reportSystem_; }
    // The application's printer selection: Print Setup starts from it and keeps what OK
    // chose, for this run only.
    const report::PrinterSetup& printSetup() const { return printSetup_; }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    const Clock& clock() const { return clock_; }

    void fillReportTables(const model::Document& document);
    // Fills the tables and runs the report over them; returns when the user cancelled or
    // the output is finished.
    void print(const model::Document& document, QWidget* owner);
    // The setup dialog over the application's selection.
    void runPrintSetup(QWidget* owner);

private:
    std::function<int(QDialog&)> execDialog_;
    ReportTables tables_;
    report::ReportSystem reportSystem_;
    report::PrinterSetup printSetup_;
    bool printSetupChosen_ = false;
    Clock clock_ = systemToday;
};

} // namespace share

#pragma once

#include "report/ReportSystem.h"
#include "share/ReportTables.h"

#include <QObject>
#include <memory>

class QPrinter;

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
    QPrinter& setupPrinter();
    void setClock(share::ReportClock clock) { clock_ = std::move(clock); }
    const share::ReportClock& clock() const { return clock_; }

private:
    share::ReportTables tables_;
    report::ReportSystem reportSystem_;
    std::unique_ptr<QPrinter> setupPrinter_;
    share::ReportClock clock_ = share::systemToday;
};

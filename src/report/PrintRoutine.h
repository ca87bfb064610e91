#pragma once
#include <QString>
#include <cstdint>
#include <string>

#include "FieldValue.h"
#include "StoreStatus.h"

class QWidget;

namespace kelvara {

class ReportEngine;

// What a calculator prints: its record, the table that holds it, the layout
// that reads it and the title of the report window.
struct ReportJob {
    std::string Table;
    FieldValues Record;
    QString Layout;  // as the print routines name it, "\kwiktep.rpt"
    QString Title;
};

// Shows the message of a write to the report database, if it has one, and
// says whether the write succeeded.
bool ReportWritten(const StoreStatus& status, QWidget* parent);

// The print routine the calculators share: writes the record into its
// single-record table and runs the layout, in a report window titled as given
// when printDirect is 0, or straight to the printer when it is 1 (the title
// then stays as the last report left it); any other value runs no report.
// A record that cannot be written is reported and nothing is printed.
void PrintReportRecord(ReportEngine& engine, const ReportJob& job, std::int16_t printDirect, QWidget* parent);

}  // namespace kelvara

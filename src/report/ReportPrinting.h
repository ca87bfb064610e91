#pragma once
#include <QString>

#include "ReportComposer.h"

class QPrinter;
class QWidget;

namespace kelvara {

// Prints a composed report on the printer as set up. With no printer
// installed it says so and offers to export the report to PDF instead; a
// printer error is reported. Every message goes through the message service.
// True when the report was printed (or exported instead).
bool SendReportToPrinter(const ComposedReport& report, QPrinter& printer, QWidget* parent);

// Asks for a file name and writes the report there as PDF. False when the
// user cancelled or the file could not be written (which is reported).
bool ExportReportPdf(const ComposedReport& report, QWidget* parent);

}  // namespace kelvara

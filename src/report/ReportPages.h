#pragma once
#include <QString>
#include <filesystem>

#include "ReportComposer.h"

class QPrinter;

namespace kelvara {

// Lays a composed report out on A4 pages of the printer (a real printer, a
// print preview or a PDF file), with "Page n of m" ("Bladsy n van m" in an
// Afrikaans report) at the foot of each page. False when the printer could
// not be started.
bool PaintReportPages(const ComposedReport& report, QPrinter& printer);

// Writes a composed report to a PDF file; false when it cannot be written.
bool WriteReportPdf(const ComposedReport& report, const QString& pdfFile);

// Composes the layout from the report database and writes it to a PDF file.
// On failure error says why.
bool RenderReportToPdf(const QString& layoutFile, const std::filesystem::path& reportDatabase, const QString& pdfFile,
                       QString* error = nullptr);

}  // namespace kelvara

#include "ReportPrinting.h"

#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "MessageService.h"
#include "ReportPages.h"

namespace kelvara {

namespace {

const QString kTitle = "Kelvara 2027";

}  // namespace

bool ExportReportPdf(const ComposedReport& report, QWidget* parent) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString file =
        QFileDialog::getSaveFileName(parent, "Export report to PDF", folder + "/report.pdf", "PDF files (*.pdf)");
    if (file.isEmpty()) return false;
    if (!file.endsWith(".pdf", Qt::CaseInsensitive)) file += ".pdf";
    if (WriteReportPdf(report, file)) return true;
    ui::ShowMessage(parent, kTitle, QString("The report could not be written to \"%1\".").arg(file));
    return false;
}

bool SendReportToPrinter(const ComposedReport& report, QPrinter& printer, QWidget* parent) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const auto answer = ui::Messages().Show(parent, kTitle,
                                                "No printer is installed, so the report cannot be printed.\n\n"
                                                "Would you like to export it to a PDF file instead?",
                                                ui::MessageIcon::Warning, ui::MessageButtons::YesNo);
        return answer == ui::MessageAnswer::Yes && ExportReportPdf(report, parent);
    }
    printer.setOutputFormat(QPrinter::NativeFormat);
    if (!PaintReportPages(report, printer) || printer.printerState() == QPrinter::Error) {
        ui::ShowMessage(parent, kTitle,
                        QString("The report could not be printed on \"%1\". Check the printer and try again.")
                            .arg(printer.printerName()));
        return false;
    }
    return true;
}

}  // namespace kelvara

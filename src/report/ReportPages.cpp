#include "ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "ReportComposer.h"

namespace kelvara {

namespace {

constexpr qreal kMarginMm = 18;
constexpr qreal kFooterPt = 9;

// A top-level table that holds tables of its own is a block, such as one
// vehicle of the company-car report: one that would straddle a page break but
// fits on a page starts on the next page instead, heading and all.
void KeepBlocksTogether(QTextDocument& document, qreal pageHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* block = qobject_cast<QTextTable*>(frame);
        if (!block || block->childFrames().isEmpty()) continue;
        const QRectF box = layout->frameBoundingRect(block);
        if (box.height() > pageHeight || int(box.top() / pageHeight) == int(box.bottom() / pageHeight)) continue;
        QTextTableFormat format = block->format();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        block->setFormat(format);
    }
}

}  // namespace

bool PaintReportPages(const ComposedReport& report, QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    QFont footerFont("DejaVu Sans", kFooterPt);
    footerFont.setPointSizeF(kFooterPt);
    const qreal footerHeight = QFontMetricsF(footerFont, &printer).height() * 2.5;

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(QFont("DejaVu Sans", 10));
    document.setDocumentMargin(0);
    // The page size first, so that the text is laid out once, not again for it.
    const QSizeF body(page.width(), page.height() - footerHeight);
    document.setPageSize(body);
    document.setHtml(report.html);
    KeepBlocksTogether(document, body.height());

    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0) printer.newPage();
        painter.save();
        painter.translate(0, -index * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, index * body.height()), body));
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(QColor(0x55, 0x5f, 0x6d));
        const QRectF footer(0, body.height(), body.width(), footerHeight);
        painter.drawLine(footer.topLeft() + QPointF(0, footerHeight * 0.3),
                         footer.topRight() + QPointF(0, footerHeight * 0.3));
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, "Kelvara 2027");
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                         QString(report.afrikaans ? "Bladsy %1 van %2" : "Page %1 of %2").arg(index + 1).arg(pages));
    }
    return painter.end();
}

bool WriteReportPdf(const ComposedReport& report, const QString& pdfFile) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return PaintReportPages(report, printer);
}

bool RenderReportToPdf(const QString& layoutFile, const std::filesystem::path& reportDatabase, const QString& pdfFile,
                       QString* error) {
    const ComposedReport report = ComposeReport(layoutFile, reportDatabase);
    if (!report.ok) {
        if (error) *error = report.error;
        return false;
    }
    if (!WriteReportPdf(report, pdfFile)) {
        if (error) *error = QString("The report could not be written to \"%1\".").arg(pdfFile);
        return false;
    }
    return true;
}

}  // namespace kelvara

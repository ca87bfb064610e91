#include "ReportWindow.h"

#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ReportPages.h"
#include "ReportPrinting.h"
#include "SuitcaseIcon.h"

namespace kelvara {

ReportWindow::ReportWindow(const ComposedReport& report, QPrinter& printer, QWidget* parent)
    : QWidget(parent), report_(report), printer_(printer), previewPrinter_(QPrinter::HighResolution) {
    setAttribute(Qt::WA_DeleteOnClose);
    preview_ = new QPrintPreviewWidget(&previewPrinter_, this);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* target) { PaintReportPages(report_, *target); });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &ReportWindow::ShowPageNumber);

    auto* tools = new QToolBar(this);
    // Page arrows show as icons (their names as tips); the other commands as
    // words, export with its suitcase beside them.
    tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto icon = [this](QStyle::StandardPixmap which) { return style()->standardIcon(which); };
    tools->addAction(icon(QStyle::SP_MediaSkipBackward), "First", preview_, [this] { preview_->setCurrentPage(1); });
    tools->addAction(icon(QStyle::SP_MediaSeekBackward), "Previous", preview_,
                     [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
    pageLabel_ = new QLabel(this);
    pageLabel_->setContentsMargins(8, 0, 8, 0);
    tools->addWidget(pageLabel_);
    tools->addAction(icon(QStyle::SP_MediaSeekForward), "Next", preview_,
                     [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });
    tools->addAction(icon(QStyle::SP_MediaSkipForward), "Last", preview_,
                     [this] { preview_->setCurrentPage(preview_->pageCount()); });
    tools->addSeparator();
    tools->addAction("Zoom in", preview_, [this] { preview_->zoomIn(); });
    tools->addAction("Zoom out", preview_, [this] { preview_->zoomOut(); });
    tools->addAction("Fit width", preview_, [this] { preview_->fitToWidth(); });
    tools->addAction("Whole page", preview_, [this] { preview_->fitInView(); });
    tools->addSeparator();
    tools->addAction("&Print...", this, &ReportWindow::Print);
    // The suitcase the report windows' titles send the user to.
    QAction* exportPdf =
        tools->addAction(SuitcaseIcon(), "&Export to PDF...", this, [this] { ExportReportPdf(report_, this); });
    exportPdf->setObjectName("actExport");
    exportPdf->setToolTip("Export the report to a PDF file");
    if (auto* button = qobject_cast<QToolButton*>(tools->widgetForAction(exportPdf)))
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(preview_);
    resize(760, 820);
    preview_->fitToWidth();
    preview_->updatePreview();
}

int ReportWindow::pageCount() const { return preview_->pageCount(); }

void ReportWindow::ShowPageNumber() {
    pageLabel_->setText(QString("Page %1 of %2").arg(preview_->currentPage()).arg(preview_->pageCount()));
}

void ReportWindow::Print() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QPrintDialog dialog(&printer_, this);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    SendReportToPrinter(report_, printer_, this);
}

}  // namespace kelvara

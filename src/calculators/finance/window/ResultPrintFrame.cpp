#include "ResultPrintFrame.h"

#include <QGuiApplication>
#include <QPushButton>

#include "PrintPanel.h"
#include "ReportEngine.h"
#include "ReportOutput.h"

namespace kelvara {

ResultPrintFrame::ResultPrintFrame(QWidget& window, ReportEngine& reports, QPushButton& okButton,
                                   ResultPrinting printing)
    : QObject(&window),
      window_(window),
      reports_(reports),
      okButton_(okButton),
      printing_(std::move(printing)),
      panel_(new ui::PrintPanel("C&ancel", &window)) {
    panel_->setObjectName("fraPrint");
    connect(panel_, &ui::PrintPanel::viewReport, this, [this] {
        reports_.SetWindowTitle(job_.Title);
        run(ReportEngine::Window);
    });
    connect(panel_, &ui::PrintPanel::printDirectly, this, [this] { run(ReportEngine::Printer); });
}

void ResultPrintFrame::print() {
    if (stale_) printing_.Recalculate();
    if (!printing_.Printable()) {
        okButton_.setFocus();
        return;
    }
    job_ = printing_.Job();
    if (!writeRecord(job_)) return;
    reports_.SetReportFile(reports_.LayoutFile(job_.Layout));
    if (printing_.TitleWithLayout) reports_.SetWindowTitle(job_.Title);
    panel_->present();
}

bool ResultPrintFrame::writeRecord(const ReportJob& job) {
    return ReportWritten(ReportOutput(reports_.ReportDatabase()).WriteReportRecord(job.Table, job.Record), &window_);
}

// Another window may have printed since "&Print" here: the report engine
// keeps only the last layout, so this frame's is handed over again.
void ResultPrintFrame::run(int destination) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    reports_.SetReportFile(reports_.LayoutFile(job_.Layout));
    reports_.SetDestination(destination);
    reports_.Run();
    QGuiApplication::restoreOverrideCursor();
    panel_->hide();
}

}  // namespace kelvara

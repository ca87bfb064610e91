#include "ReportEngine.h"

#include <QDir>

#include "MessageService.h"
#include "ReportComposer.h"
#include "ReportHost.h"
#include "ReportPrinting.h"
#include "ReportWindow.h"

namespace kelvara {

ReportEngine::ReportEngine(ReportHost& host, QPrinter& printer, std::filesystem::path reportDatabase,
                           QString layoutFolder)
    : host_(host),
      printer_(printer),
      reportDatabase_(std::move(reportDatabase)),
      layoutFolder_(std::move(layoutFolder)) {}

QString ReportEngine::LayoutFile(const QString& name) const {
    QString file = name;
    file.replace('\\', '/');
    while (file.startsWith('/')) file.remove(0, 1);
    return QDir(layoutFolder_).filePath(file);
}

bool ReportEngine::Run() {
    if (destination_ != Window && destination_ != Printer) return false;
    const ComposedReport report = ComposeReport(reportFile_, reportDatabase_);
    if (!report.ok) {
        ui::ShowMessage(nullptr, "Kelvara 2027", report.error);
        return false;
    }
    if (destination_ == Printer) return SendReportToPrinter(report, printer_, nullptr);
    auto* window = new ReportWindow(report, printer_);
    window->setWindowTitle(windowTitle_);
    host_.ShowReportWindow(window);
    return true;
}

bool ReportEngine::RunReport(const QString& layoutName, const std::optional<QString>& title, int destination) {
    SetReportFile(LayoutFile(layoutName));
    if (title) SetWindowTitle(*title);
    SetDestination(destination);
    return Run();
}

}  // namespace kelvara

#include "PrintRoutine.h"

#include "MessageService.h"
#include "ReportEngine.h"
#include "ReportOutput.h"

namespace kelvara {

bool ReportWritten(const StoreStatus& status, QWidget* parent) {
    if (!status.message.empty()) {
        ui::ShowMessage(parent, "Report", QString::fromStdString(status.message),
                        status.ok ? ui::MessageIcon::Information : ui::MessageIcon::Critical);
    }
    return status.ok;
}

void PrintReportRecord(ReportEngine& engine, const ReportJob& job, std::int16_t printDirect, QWidget* parent) {
    if (!ReportWritten(ReportOutput(engine.ReportDatabase()).WriteReportRecord(job.Table, job.Record), parent)) return;
    engine.SetReportFile(engine.LayoutFile(job.Layout));
    if (printDirect == ReportEngine::Window) {
        engine.SetWindowTitle(job.Title);
        engine.SetDestination(ReportEngine::Window);
        engine.Run();
    } else if (printDirect == ReportEngine::Printer) {
        engine.SetDestination(ReportEngine::Printer);
        engine.Run();
    }
}

}  // namespace kelvara

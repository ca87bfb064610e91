#include "PrintRoutine.h"

#include "MessageService.h"
#include "ReportEngine.h"
#include "ReportOutput.h"

namespace kelvara {

void PrintReportRecord(ReportEngine& engine, const ReportJob& job, std::int16_t printDirect, QWidget* parent) {
    const StoreStatus written = ReportOutput(engine.ReportDatabase()).WriteReportRecord(job.Table, job.Record);
    if (!written.message.empty()) {
        ui::ShowMessage(parent, "Report", QString::fromStdString(written.message),
                        written.ok ? ui::MessageIcon::Information : ui::MessageIcon::Critical);
    }
    if (!written.ok) return;
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

#include "WorkingReport.h"

#include "PrintRoutine.h"
#include "ReportEngine.h"
#include "ReportOutput.h"
#include "WorkingWindow.h"

namespace kelvara {

namespace {
// The report's rich text has no cell padding; a step is indented with
// no-break spaces.
constexpr int IndentPerDepth = 4;
constexpr const char* NoBreakSpace = "\u00a0";

std::string Indent(int depth) {
    std::string indent;
    for (int i = 0; i < depth * IndentPerDepth; ++i) indent += NoBreakSpace;
    return indent;
}
}  // namespace

std::vector<FieldValues> WorkingRows(const Working& working) {
    std::vector<FieldValues> rows;
    for (const WorkingLine& line : working.Lines()) {
        rows.push_back({
            {"Indent", Indent(line.Depth)},
            {"Weight", std::string(line.StandsOut() ? "bold" : "normal")},
            {"Shade", std::string(line.IsHeading() ? "#dfe7f1" : "#ffffff")},
            {"Text", line.Text},
            {"Currency", std::string(line.InRand() ? "R" : "")},
            {"Amount", AmountText(line)},
        });
    }
    return rows;
}

void PrintWorking(ReportEngine& engine, const Working& working, const QString& calculator, QWidget* parent) {
    const ReportOutput output(engine.ReportDatabase());
    if (!ReportWritten(output.WriteReportRecord(WorkingTable, {{"Calculator", calculator.toStdString()}}), parent) ||
        !ReportWritten(output.ReplaceReportRows(WorkingLinesTable, WorkingLinesEmptyingStatement, WorkingRows(working)),
                       parent)) {
        return;
    }
    engine.RunReport(WorkingLayout, "Working - " + calculator, ReportEngine::Window);
}

ui::WorkingWindow* NewWorkingWindow(ReportEngine& engine, const QString& calculator, QWidget* parent) {
    return new ui::WorkingWindow(
        calculator,
        [&engine, calculator, parent](const Working& working) { PrintWorking(engine, working, calculator, parent); },
        parent);
}

}  // namespace kelvara

#pragma once
#include <QString>

#include "FieldValue.h"
#include "Working.h"

class QWidget;

namespace kelvara {

class ReportEngine;
namespace ui {
class WorkingWindow;
}

inline constexpr const char* WorkingTable = "Working";
inline constexpr const char* WorkingLinesTable = "WorkingLines";
inline constexpr const char* WorkingLinesEmptyingStatement = "DELETE FROM WorkingLines";
inline constexpr const char* WorkingLayout = "\\Working.rpt";

// The rows of report table "WorkingLines", one a line of the account: its
// indent, weight and shade, its words, "R" beside money, and the amount as
// the windows show it.
std::vector<FieldValues> WorkingRows(const Working& working);

// Writes the account of a calculator's last calculation into the report
// database and shows it in a report window, from where it prints or exports.
// A write that fails is reported and nothing is shown.
void PrintWorking(ReportEngine& engine, const Working& working, const QString& calculator, QWidget* parent);

// The working window of a calculator, printing through the report engine.
ui::WorkingWindow* NewWorkingWindow(ReportEngine& engine, const QString& calculator, QWidget* parent);

}  // namespace kelvara

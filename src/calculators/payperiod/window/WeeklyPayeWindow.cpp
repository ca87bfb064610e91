#include "WeeklyPayeWindow.h"

namespace kelvara {

namespace {
constexpr int kSetupTopTwips = 1710;
}

WeeklyPayeWindow::WeeklyPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                                   std::filesystem::path settingsDatabase, QWidget* parent)
    : RegularPeriodWindow(PayPeriodKind::Weekly, "frmWeekly", "Weekly", kSetupTopTwips, "silgEdit14", &WeeklyDesign,
                          engine, printDirect, reports, std::move(settingsDatabase), parent) {}

}  // namespace kelvara

#include "DailyPayeWindow.h"

namespace kelvara {

namespace {
constexpr int kSetupTopTwips = 1185;
}

DailyPayeWindow::DailyPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                                 std::filesystem::path settingsDatabase, QWidget* parent)
    : RegularPeriodWindow(PayPeriodKind::Daily, "frmDaily", "Daily", kSetupTopTwips, "silgEdit23", nullptr, engine,
                          printDirect, reports, std::move(settingsDatabase), parent) {}

}  // namespace kelvara

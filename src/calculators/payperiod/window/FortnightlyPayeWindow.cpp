#include "FortnightlyPayeWindow.h"

namespace kelvara {

namespace {
constexpr int kSetupTopTwips = 1710;
}

FortnightlyPayeWindow::FortnightlyPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                                             std::filesystem::path settingsDatabase, QWidget* parent)
    : RegularPeriodWindow(PayPeriodKind::Fortnightly, "frmFortNight", "Fortnightly", kSetupTopTwips, "silgEdit14",
                          &FortnightlyDesign, engine, printDirect, reports, std::move(settingsDatabase), parent) {}

}  // namespace kelvara

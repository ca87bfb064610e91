#include "frmPravelMon.h"

namespace kelvara {

frmPravelMon::frmPravelMon(EngineState& engine, const std::filesystem::path& settingsDatabase,
                           std::int16_t& printDirect, ReportEngine& reports, QWidget* parent)
    : PackageWindow({PackageDirection::GrossToNet, PackagePeriod::Monthly}, "frmPravelMon",
                    "Pravel : Monthly Calculation", engine, settingsDatabase, printDirect, reports, parent) {}

}  // namespace kelvara

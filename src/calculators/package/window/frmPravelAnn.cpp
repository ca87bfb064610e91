#include "frmPravelAnn.h"

namespace kelvara {

frmPravelAnn::frmPravelAnn(EngineState& engine, const std::filesystem::path& settingsDatabase,
                           std::int16_t& printDirect, ReportEngine& reports, QWidget* parent)
    : PackageWindow({PackageDirection::GrossToNet, PackagePeriod::Annual}, "frmPravelAnn",
                    "Pravel : Annual Calculation", engine, settingsDatabase, printDirect, reports, parent) {}

}  // namespace kelvara

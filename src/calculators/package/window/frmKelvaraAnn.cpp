#include "frmKelvaraAnn.h"

namespace kelvara {

frmKelvaraAnn::frmKelvaraAnn(EngineState& engine, const std::filesystem::path& settingsDatabase,
                             std::int16_t& printDirect, ReportEngine& reports, QWidget* parent)
    : PackageWindow({PackageDirection::NetToGross, PackagePeriod::Annual}, "frmKelvaraAnn",
                    "Kelvara : Annual Calculation", engine, settingsDatabase, printDirect, reports, parent) {}

}  // namespace kelvara

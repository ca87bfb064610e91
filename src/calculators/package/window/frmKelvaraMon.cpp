#include "frmKelvaraMon.h"

namespace kelvara {

frmKelvaraMon::frmKelvaraMon(EngineState& engine, const std::filesystem::path& settingsDatabase,
                             std::int16_t& printDirect, ReportEngine& reports, QWidget* parent)
    : PackageWindow({PackageDirection::NetToGross, PackagePeriod::Monthly}, "frmKelvaraMon",
                    "Kelvara : Monthly Calculation", engine, settingsDatabase, printDirect, reports, parent) {}

}  // namespace kelvara

#pragma once
#include "PackageWindow.h"

namespace kelvara {

// The monthly gross-to-net package: from the total package to the take-home
// salary and the employer's total cost, for a month.
class frmPravelMon : public PackageWindow {
    Q_OBJECT

public:
    frmPravelMon(EngineState& engine, const std::filesystem::path& settingsDatabase, std::int16_t& printDirect,
                 ReportEngine& reports, QWidget* parent = nullptr);
};

}  // namespace kelvara

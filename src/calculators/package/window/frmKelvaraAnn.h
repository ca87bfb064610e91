#pragma once
#include "PackageWindow.h"

namespace kelvara {

// The annual net-to-gross package: from the net salary the employee must take
// home to the gross salary and the employer's total cost, for a year.
class frmKelvaraAnn : public PackageWindow {
    Q_OBJECT

public:
    frmKelvaraAnn(EngineState& engine, const std::filesystem::path& settingsDatabase, std::int16_t& printDirect,
                  ReportEngine& reports, QWidget* parent = nullptr);
};

}  // namespace kelvara

#pragma once
#include "RegularPeriodWindow.h"

namespace kelvara {

// The fortnightly PAYE window: a fortnight's pay, with the days of a normal fortnight and of this one.
class FortnightlyPayeWindow : public RegularPeriodWindow {
    Q_OBJECT

public:
    FortnightlyPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                          std::filesystem::path settingsDatabase, QWidget* parent = nullptr);
};

}  // namespace kelvara

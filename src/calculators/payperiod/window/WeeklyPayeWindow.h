#pragma once
#include "RegularPeriodWindow.h"

namespace kelvara {

// The weekly PAYE window: a week's pay, with the days of a normal work week and of this one.
class WeeklyPayeWindow : public RegularPeriodWindow {
    Q_OBJECT

public:
    WeeklyPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                     std::filesystem::path settingsDatabase, QWidget* parent = nullptr);
};

}  // namespace kelvara

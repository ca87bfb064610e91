#pragma once
#include "RegularPeriodWindow.h"

namespace kelvara {

// The daily PAYE window: one day's pay, on a year of 260 working days.
class DailyPayeWindow : public RegularPeriodWindow {
    Q_OBJECT

public:
    DailyPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                    std::filesystem::path settingsDatabase, QWidget* parent = nullptr);
};

}  // namespace kelvara

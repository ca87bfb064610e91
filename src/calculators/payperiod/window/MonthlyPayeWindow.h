#pragma once
#include "PayPeriodWindow.h"

namespace kelvara {

// The monthly PAYE window: one month's pay, or part of a month between a
// start and an end date within the same calendar month.
class MonthlyPayeWindow : public PayPeriodWindow {
    Q_OBJECT

public:
    MonthlyPayeWindow(EngineState& engine, std::int16_t& printDirect, ReportEngine& reports,
                      std::filesystem::path settingsDatabase, QWidget* parent = nullptr);
};

}  // namespace kelvara

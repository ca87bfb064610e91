#pragma once
#include "PayPeriodWindow.h"
#include "ShortPeriodDesign.h"

namespace kelvara {

// The fortnightly, weekly and daily PAYE windows: one period's amounts, the
// fortnight and the week with the days of a normal period and of this one.
class RegularPeriodWindow : public PayPeriodWindow {
    Q_OBJECT

protected:
    // days: the day counts of the fortnight or the week; none for a day.
    RegularPeriodWindow(PayPeriodKind kind, const QString& formName, const QString& caption, int setupTopTwips,
                        const QString& ageName, const ShortPeriodDesign* days, EngineState& engine,
                        std::int16_t& printDirect, ReportEngine& reports, std::filesystem::path settingsDatabase,
                        QWidget* parent);
};

}  // namespace kelvara

#include "PayPeriod.h"

#include "ShortPeriodDesign.h"
#include "TaxYear.h"

namespace kelvara {

PayPeriodInputs DefaultInputs(PayPeriodKind kind) {
    PayPeriodInputs in;
    switch (kind) {
        case PayPeriodKind::Annual:
            in.StartDate = TaxYear::StartDay;
            in.EndDate = TaxYear::EndDay;
            break;
        case PayPeriodKind::Monthly:
            in.StartDate = TaxYear::StartDay;
            in.EndDate = TaxYear::StartDay + 30;  // 31/03/2026
            break;
        case PayPeriodKind::Fortnightly:
            in.NormalDays = in.ThisDays = FortnightlyDesign.FullDays;
            break;
        case PayPeriodKind::Weekly:
            in.NormalDays = in.ThisDays = WeeklyDesign.FullDays;
            break;
        case PayPeriodKind::Daily:
            break;
    }
    return in;
}

PayPeriodOutcome Calculate(PayPeriodKind kind, EngineState& engine, const PayPeriodInputs& in,
                           const Settings& settings, Working* working) {
    switch (kind) {
        case PayPeriodKind::Annual: return CalculateAnnual(engine, in, settings, working);
        case PayPeriodKind::Monthly: return CalculateMonthly(engine, in, settings, working);
        case PayPeriodKind::Fortnightly: return CalculateFortnightly(engine, in, settings, working);
        case PayPeriodKind::Weekly: return CalculateWeekly(engine, in, settings, working);
        case PayPeriodKind::Daily: return CalculateDaily(engine, in, settings, working);
    }
    return {};
}

}  // namespace kelvara

#include "PayPeriod.h"

#include "ActiveTaxYear.h"
#include "ShortPeriodDesign.h"

namespace kelvara {

namespace {
// The monthly calculator starts on the tax year's first month (31/03 for a
// year from 1 March).
DayNumber LastDayOfFirstMonth() {
    const DayNumber first = ActiveTaxYear().FirstDay;
    const CivilDate date = FromDayNumber(first);
    return first + DaysInMonth(date.Year, date.Month) - date.Day;
}
}  // namespace

PayPeriodInputs DefaultInputs(PayPeriodKind kind) {
    PayPeriodInputs in;
    switch (kind) {
        case PayPeriodKind::Annual:
            in.StartDate = ActiveTaxYear().FirstDay;
            in.EndDate = ActiveTaxYear().LastDay;
            break;
        case PayPeriodKind::Monthly:
            in.StartDate = ActiveTaxYear().FirstDay;
            in.EndDate = LastDayOfFirstMonth();
            break;
        case PayPeriodKind::Fortnightly: in.NormalDays = in.ThisDays = FortnightlyDesign.FullDays; break;
        case PayPeriodKind::Weekly: in.NormalDays = in.ThisDays = WeeklyDesign.FullDays; break;
        case PayPeriodKind::Daily: break;
    }
    return in;
}

PayPeriodOutcome Calculate(PayPeriodKind kind, EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                           Working* working) {
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

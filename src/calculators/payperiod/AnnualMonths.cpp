#include "AnnualMonths.h"

namespace kelvara {

namespace {
// March is 0 and February 11.
int TaxYearIndex(int month) { return (month + 9) % 12; }
}  // namespace

bool MonthInPeriod(int month, DayNumber startDate, DayNumber endDate) {
    const int index = TaxYearIndex(month);
    return TaxYearIndex(FromDayNumber(startDate).Month) <= index && index <= TaxYearIndex(FromDayNumber(endDate).Month);
}

int CapMonthMembers(MonthCounts& counts) {
    int capped = 0;
    for (std::int16_t& count : counts) {
        if (count > MaxMonthMembers) {
            count = MaxMonthMembers;
            ++capped;
        }
    }
    return capped;
}

int DuplicateMarch(MonthCounts& counts) {
    const int capped = CapMonthMembers(counts);
    counts.fill(counts[3 - 1]);
    return capped;
}

MonthCounts ToTaxYearOrder(const MonthCounts& calendarOrder) {
    MonthCounts ordered{};
    for (int i = 0; i < 12; ++i) ordered[i] = calendarOrder[TaxYearMonths[i] - 1];
    return ordered;
}

MonthCounts FromTaxYearOrder(const MonthCounts& taxYearOrder) {
    MonthCounts calendar{};
    for (int i = 0; i < 12; ++i) calendar[TaxYearMonths[i] - 1] = taxYearOrder[i];
    return calendar;
}

}  // namespace kelvara

#include "TaxYearData.h"

namespace kelvara {

namespace {
const char* const MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};

std::string LongDate(DayNumber day) {
    const CivilDate d = FromDayNumber(day);
    return std::to_string(d.Day) + " " + MonthNames[d.Month - 1] + " " + std::to_string(d.Year);
}
}  // namespace

std::string TaxYearData::SpanText() const { return LongDate(FirstDay) + " to " + LongDate(LastDay); }

std::string TaxYearData::CalendarYearsText() const {
    return std::to_string(FromDayNumber(FirstDay).Year) + "/" + std::to_string(FromDayNumber(LastDay).Year);
}

}  // namespace kelvara

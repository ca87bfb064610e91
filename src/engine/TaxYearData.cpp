#include "TaxYearData.h"

namespace kelvara {

namespace {
using MonthNames = const char* const[12];
MonthNames English = {"January", "February", "March",     "April",   "May",      "June",
                      "July",    "August",   "September", "October", "November", "December"};
MonthNames Afrikaans = {"Januarie", "Februarie", "Maart",     "April",   "Mei",      "Junie",
                        "Julie",    "Augustus",  "September", "Oktober", "November", "Desember"};

std::string LongDate(DayNumber day, MonthNames& months) {
    const CivilDate d = FromDayNumber(day);
    return std::to_string(d.Day) + " " + months[d.Month - 1] + " " + std::to_string(d.Year);
}
}  // namespace

std::string TaxYearData::SpanText() const { return LongDate(FirstDay, English) + " to " + LongDate(LastDay, English); }

std::string TaxYearData::AfrikaansSpanText() const {
    return LongDate(FirstDay, Afrikaans) + " tot " + LongDate(LastDay, Afrikaans);
}

std::string TaxYearData::CalendarYearsText() const {
    return std::to_string(FromDayNumber(FirstDay).Year) + "/" + std::to_string(FromDayNumber(LastDay).Year);
}

}  // namespace kelvara

#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kelvara {

// A calendar date held as a day number: days counted from 30/12/1899 (day 0),
// so 01/03/2026 is 46082.
using DayNumber = long;

struct CivilDate {
    int Year;
    int Month;  // 1..12
    int Day;    // 1..31
};

bool IsValidDate(int year, int month, int day);
DayNumber ToDayNumber(const CivilDate& date);  // the date must be valid
CivilDate FromDayNumber(DayNumber day);
int DaysInMonth(int year, int month);

// "dd/mm/yyyy".
std::string FormatDate(DayNumber day);

// Reads "dd/mm/yyyy" (one- or two-digit day and month) or "yyyy-mm-dd";
// nothing for any other text or a date that does not exist.
std::optional<DayNumber> ParseDate(std::string_view text);

}  // namespace kelvara

#pragma once
#include <array>
#include <cstdint>

#include "DayNumber.h"

namespace kelvara {

// The annual calculator keeps one member count per calendar month, index 0
// for January; its window and its credit take them in tax-year order.
using MonthCounts = std::array<std::int16_t, 12>;

// Calendar months (1 January .. 12 December) in tax-year order, March first.
inline constexpr std::array<int, 12> TaxYearMonths{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};

// Whether a calendar month lies, in tax-year order, from the month of the
// start date to the month of the end date.
bool MonthInPeriod(int month, DayNumber startDate, DayNumber endDate);

inline constexpr std::int16_t MaxMonthMembers = 24;
inline constexpr const char* MaxMonthMembersMessage =
    "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!";

// Lowers every count above 24 to 24 and says how many were lowered (the
// window shows the maximum message once for each).
int CapMonthMembers(MonthCounts& counts);

// "Duplicate March to all 12 months ": the counts capped first, then every
// month given March's count. Says how many were capped.
int DuplicateMarch(MonthCounts& counts);

// The counts in tax-year order (March first) and back.
MonthCounts ToTaxYearOrder(const MonthCounts& calendarOrder);
MonthCounts FromTaxYearOrder(const MonthCounts& taxYearOrder);

}  // namespace kelvara

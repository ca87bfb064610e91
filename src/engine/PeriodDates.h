#pragma once
#include <string>
#include <string_view>

#include "DayNumber.h"

namespace kelvara {

// The rule that keeps a calculator's start and end dates inside the tax year,
// shared by the annual, monthly, travel-allowance and company-car windows.
namespace PeriodDates {

struct Bounds {
    DayNumber Lower;
    DayNumber Upper;
};

// Every period date field starts bounded by the tax year.
Bounds TaxYearBounds();

// When the start field takes the focus it may not pass the current end date;
// when the end field takes it, it may not precede the current start date.
Bounds StartFieldBounds(DayNumber currentEnd);
Bounds EndFieldBounds(DayNumber currentStart);

inline constexpr const char* IncorrectDateTitle = "Incorrect Date";

// The message for a start date that is not valid or out of bounds.
std::string StartDateMessage();

// The message for an end date that is not valid or out of bounds; it names the
// start date as the start field displays it.
std::string EndDateMessage(std::string_view startFieldText);

// The message for closing the company-car window while its dates are refused.
std::string CompanyCarDatesMessage();

}  // namespace PeriodDates
}  // namespace kelvara

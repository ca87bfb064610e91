#include "PeriodDates.h"

#include "TaxYear.h"

namespace kelvara::PeriodDates {

Bounds TaxYearBounds() { return {TaxYear::StartDay, TaxYear::EndDay}; }

Bounds StartFieldBounds(DayNumber currentEnd) { return {TaxYear::StartDay, currentEnd}; }

Bounds EndFieldBounds(DayNumber currentStart) { return {currentStart, TaxYear::EndDay}; }

std::string StartDateMessage() {
    return std::string("The date entered is not correct please enter a date between ") + TaxYear::StartText +
           " and " + TaxYear::EndText;
}

std::string EndDateMessage(std::string_view startFieldText) {
    return "The date entered is not correct please enter a date between " + std::string(startFieldText) +
           " and " + TaxYear::EndText;
}

std::string CompanyCarDatesMessage() {
    return std::string("The dates entered are not correct please enter a dates between ") + TaxYear::StartText +
           " and " + TaxYear::EndText;
}

}  // namespace kelvara::PeriodDates

#include "PeriodDates.h"

#include "ActiveTaxYear.h"

namespace kelvara::PeriodDates {

Bounds TaxYearBounds() { return {ActiveTaxYear().FirstDay, ActiveTaxYear().LastDay}; }

Bounds StartFieldBounds(DayNumber currentEnd) { return {ActiveTaxYear().FirstDay, currentEnd}; }

Bounds EndFieldBounds(DayNumber currentStart) { return {currentStart, ActiveTaxYear().LastDay}; }

std::string StartDateMessage() {
    return "The date entered is not correct please enter a date between " + ActiveTaxYear().FirstDayText() + " and " +
           ActiveTaxYear().LastDayText();
}

std::string EndDateMessage(std::string_view startFieldText) {
    return "The date entered is not correct please enter a date between " + std::string(startFieldText) + " and " +
           ActiveTaxYear().LastDayText();
}

std::string CompanyCarDatesMessage() {
    return "The dates entered are not correct please enter a dates between " + ActiveTaxYear().FirstDayText() +
           " and " + ActiveTaxYear().LastDayText();
}

}  // namespace kelvara::PeriodDates

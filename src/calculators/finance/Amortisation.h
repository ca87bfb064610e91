#pragma once
#include <cstdint>
#include <vector>

#include "Loan.h"

namespace kelvara {

// One row of an amortisation table or report: a month or a year.
struct ScheduleRow {
    std::int32_t Number;  // month or year, from 1
    double Capital;
    double Interest;
    double Balance;  // at the end of the row
};

// The schedules are recomputed from the principal, period and rate with the
// annuity repayment, whichever quantity the calculate mode produced.

// Whether the monthly table can be shown (principal, rate, repayment and
// period non-zero), and the annual table and graph (the same with a period of
// at least 13 months).
bool CanShowMonthlySchedule(const LoanState& loan);
bool CanShowAnnualSchedule(const LoanState& loan);

// Fills MonthCapital, MonthInterest and MonthBalance for months 1 to n.
void MonthlySchedule(LoanState& loan);

// The monthly schedule summed into years: YearCapital, YearInterest and the
// year-end balances copied down into MonthBalance, with WholeYears,
// ScheduleKind and ScheduleYears. A period that is not a whole number of years
// ends with a part-year row that takes the rest of the principal and of the
// total interest (A x n - P with the loan's own repayment).
void CalcAnnAmort(LoanState& loan);

// The rows of the last monthly schedule, months 1 to n.
std::vector<ScheduleRow> MonthlyRows(const LoanState& loan);

// The rows of the last annual schedule, part year included.
std::vector<ScheduleRow> AnnualRows(const LoanState& loan);

}  // namespace kelvara

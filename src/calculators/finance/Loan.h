#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "FinanceFields.h"

namespace kelvara {

// The loan calculator's figures, kept in the shared calculation state so that
// they survive closing the window (the loan buster works in them too). All
// amounts are unrounded; the fields show them rounded to their decimals.
struct LoanState {
    std::string LoanMode = "Monthly repayment";  // one of LoanModes
    double Principal = 0;
    double PeriodMonths = 0;  // a whole number of months
    double AnnualRate = 0;    // percent
    double Repayment = 0;     // monthly
    double SavedPrincipal = 0;
    std::string FinChargeState = "UP";  // "DOWN" while the finance charges are shown
    bool InputChanged = false;          // an input or the mode changed since the last calculation

    // The last schedule worked out (index 1 upward; see Amortisation.h).
    std::vector<double> MonthCapital;
    std::vector<double> MonthInterest;
    std::vector<double> MonthBalance;  // after an annual schedule its first entries are year-end balances
    std::vector<double> YearCapital;
    std::vector<double> YearInterest;
    std::int16_t WholeYears = 0;
    std::int16_t ScheduleYears = 0;
    std::int16_t ScheduleKind = 0;  // 1: whole years; 2: the last year is a part year
};

// The calculate modes, in the order of the mode options.
inline const char* const LoanModes[] = {"Monthly repayment", "Principal amount", "Repayment period", "Interest rate"};

// "Initialise All": everything back to its initial value except the principal.
void InitLoanState(LoanState& loan);

// The monthly repayment from the principal, period and rate (0 when any is 0).
void RPAYMENT(LoanState& loan);

// The principal from the period, rate and repayment (0 when any is 0).
void PAMOUNT(LoanState& loan);

// The period search from the principal, rate and repayment: the whole number
// of months in which the repayment pays off the loan, with the repayment
// raised to the cent that does so. 0 months when the principal, rate or
// repayment is 0 or the loan is not paid off within 600 months.
void PER(LoanState& loan);

// The rate search: the largest rate, stepping up by 5, 1, 0.1 and 0.01 in
// turn, whose repayment does not exceed the repayment (0 when the principal,
// period or repayment is 0).
void Rate(LoanState& loan);

// "Calculate" in the current mode. Returns true when a rate search ended
// above 50%, where the window shows its error box over the rate.
bool LoanCalc(LoanState& loan);

// The finance charges: total interest A x n - P and total repayments A x n.
double TotalInterest(const LoanState& loan);
double TotalRepayments(const LoanState& loan);
inline bool FinanceChargesShown(const LoanState& loan) { return loan.FinChargeState == "DOWN"; }
void ToggleFinanceCharges(LoanState& loan);

// The window's input fields.
namespace LoanFields {
inline constexpr NamedFieldBounds Principal{"numPrinAmount", {2, 8, 0, 99999999.99}};
inline constexpr NamedFieldBounds Period{"numPeriod", {0, 3, 0, 600}};
inline constexpr NamedFieldBounds Rate{"numIntRate", {3, 2, 0, 50}};
inline constexpr NamedFieldBounds Repayment{"numMonRePay", {2, 7, 0, 9999999.99}};
}  // namespace LoanFields

// The range messages of the rate and period fields (the loan buster and loan
// comparison give the same).
Refusal LoanRateMessage();
Refusal LoanPeriodMessage();

}  // namespace kelvara

#pragma once

namespace kelvara {

// The arithmetic of an amortising loan repaid in equal monthly instalments,
// shared by the loan calculator, the loan buster and the loan comparison.
namespace Annuity {

// The monthly rate of an annual rate in percent: r / 12 / 100.
double MonthlyRate(double annualRatePercent);

// The monthly repayment that pays off a principal in the given months at a
// monthly rate (neither may be 0).
double Repayment(double principal, double monthlyRate, double months);

// The principal that a monthly repayment pays off in the given months.
double Principal(double repayment, double monthlyRate, double months);

// The longest period a search looks at.
inline constexpr int MaxMonths = 600;

struct PeriodFound {
    int Months;        // 0: not paid off within MaxMonths
    double Repayment;  // the repayment as the search left it
};

// The period search: counts up the months until the repayment pays off more
// than the principal, then takes one month less and raises the repayment a
// cent at a time until it pays the principal off in that many months; a loan
// paid off in exactly MaxMonths is found too. When one month already
// overpays, the loan takes one month and the repayment is the least whole
// cent that pays it off in that month. The principal, rate and repayment must
// not be 0.
PeriodFound SearchPeriod(double principal, double monthlyRate, double repayment);

}  // namespace Annuity
}  // namespace kelvara

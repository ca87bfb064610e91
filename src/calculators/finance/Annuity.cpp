#include "Annuity.h"

#include <cmath>

namespace kelvara::Annuity {

namespace {

// 1 - (1 + i)^-n, the part of the principal-per-repayment factor that does not
// change while a repayment is raised.
double Discount(double monthlyRate, double months) { return 1 - std::pow(1 + monthlyRate, -months); }

// Raises the repayment a cent at a time until it pays off the principal in
// the given months. The whole cents it certainly falls short by are added at
// once: a repayment far below the one that pays off would otherwise take
// millions of raises (half of R100 million is five billion cents).
double RaiseToPayOff(double principal, double monthlyRate, int months, double repayment) {
    const double discount = Discount(monthlyRate, months);
    const double centsShort = std::floor((principal * monthlyRate / discount - repayment) * 100) - 1;
    if (centsShort > 0) repayment += centsShort / 100;
    do {
        repayment += 0.01;
    } while (discount * repayment / monthlyRate < principal);
    return repayment;
}

}  // namespace

double MonthlyRate(double annualRatePercent) { return annualRatePercent / 12 / 100; }

double Repayment(double principal, double monthlyRate, double months) {
    return (monthlyRate * principal) / Discount(monthlyRate, months);
}

double Principal(double repayment, double monthlyRate, double months) {
    return Discount(monthlyRate, months) * repayment / monthlyRate;
}

PeriodFound SearchPeriod(double principal, double monthlyRate, double repayment) {
    for (int months = 1;; ++months) {
        const double paidOff = Principal(repayment, monthlyRate, months);
        // Counting one month past the longest period shows whether the loan is
        // paid off within it, in its very last month included.
        if (paidOff > principal) {
            if (months == 1) return {1, RaiseToPayOff(principal, monthlyRate, 1, 0)};
            return {months - 1, RaiseToPayOff(principal, monthlyRate, months - 1, repayment)};
        }
        if (months > MaxMonths) return {0, repayment};
        if (paidOff == principal) return {months, repayment};
    }
}

}  // namespace kelvara::Annuity

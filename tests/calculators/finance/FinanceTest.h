#pragma once
#include "Loan.h"
#include "Rounding.h"

namespace kelvara {

// A figure to the cent, as the windows show it.
inline double Cents(double value) { return RoundHalfEven(value, 2); }

// A loan in a calculate mode, its quantities as typed.
inline LoanState MakeLoan(const char* mode, double principal, double months, double rate, double repayment) {
    LoanState loan;
    loan.LoanMode = mode;
    loan.Principal = principal;
    loan.PeriodMonths = months;
    loan.AnnualRate = rate;
    loan.Repayment = repayment;
    return loan;
}

}  // namespace kelvara

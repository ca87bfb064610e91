#include "Loan.h"

#include "Annuity.h"

namespace kelvara {

namespace {

inline constexpr double RateErrorAbove = 50;

double MonthlyRate(const LoanState& loan) { return Annuity::MonthlyRate(loan.AnnualRate); }

// The repayment at the loan's current rate, without touching the loan.
double RepaymentAtRate(const LoanState& loan) {
    if (loan.Principal == 0 || loan.PeriodMonths == 0 || loan.AnnualRate == 0) return 0;
    return Annuity::Repayment(loan.Principal, MonthlyRate(loan), loan.PeriodMonths);
}

// The largest rate on a grid of one step, counted up from `from`, whose
// repayment stays at most the target.
double StepRateUp(LoanState& loan, double from, double step, double target) {
    loan.AnnualRate = from;
    for (;;) {
        loan.AnnualRate += step;
        if (RepaymentAtRate(loan) > target) return loan.AnnualRate - step;
    }
}

// Where the 5% steps may start without passing the target. A repayment is never
// more than P/n + P x i (the interest is at most the principal's), so the
// repayment stays at most the target for every rate up to
// 1200 x (target / P - 1 / n); on the 5% grid below that the search would
// only count. The rate still moves in whole steps of 5 from 0, so the result
// is the one stepping from 0 gives, but a large target relative to the
// principal no longer takes billions of steps.
double FirstCoarseRate(LoanState& loan, double target) {
    const double safeRate = 1200 * (target / loan.Principal - 1 / loan.PeriodMonths);
    if (safeRate < 10) return 0;
    const double start = 5 * (static_cast<long long>(safeRate / 5) - 1);
    loan.AnnualRate = start;
    return RepaymentAtRate(loan) <= target ? start : 0;
}

}  // namespace

void InitLoanState(LoanState& loan) {
    LoanState initial;
    initial.Principal = loan.Principal;
    loan = std::move(initial);
}

void RPAYMENT(LoanState& loan) { loan.Repayment = RepaymentAtRate(loan); }

void PAMOUNT(LoanState& loan) {
    loan.Principal = loan.PeriodMonths == 0 || loan.AnnualRate == 0 || loan.Repayment == 0
                         ? 0
                         : Annuity::Principal(loan.Repayment, MonthlyRate(loan), loan.PeriodMonths);
}

void PER(LoanState& loan) {
    if (loan.Principal == 0 || loan.AnnualRate == 0 || loan.Repayment == 0) {
        loan.PeriodMonths = 0;
        return;
    }
    loan.SavedPrincipal = loan.Principal;
    const Annuity::PeriodFound found = Annuity::SearchPeriod(loan.Principal, MonthlyRate(loan), loan.Repayment);
    loan.PeriodMonths = found.Months;
    loan.Repayment = found.Repayment;
}

void Rate(LoanState& loan) {
    if (loan.Principal == 0 || loan.PeriodMonths == 0 || loan.Repayment == 0) {
        loan.AnnualRate = 0;
        return;
    }
    const double target = loan.Repayment;
    double rate = FirstCoarseRate(loan, target);
    for (const double step : {5.0, 1.0, 0.1, 0.01}) rate = StepRateUp(loan, rate, step, target);
    loan.AnnualRate = rate;
    loan.Repayment = target;
}

bool LoanCalc(LoanState& loan) {
    loan.InputChanged = false;
    bool rateError = false;
    if (loan.LoanMode == LoanModes[0]) {
        RPAYMENT(loan);
    } else if (loan.LoanMode == LoanModes[1]) {
        PAMOUNT(loan);
    } else if (loan.LoanMode == LoanModes[2]) {
        loan.PeriodMonths = 0;
        // Taking a cent off first lets a repayment that already pays the loan
        // off in whole months come back unchanged from the cent-by-cent raise.
        // A repayment of 0 is a missing input and stays 0.
        if (loan.Repayment != 0) loan.Repayment -= 0.01;
        PER(loan);
    } else if (loan.LoanMode == LoanModes[3]) {
        loan.AnnualRate = 0;
        Rate(loan);
        rateError = loan.AnnualRate > RateErrorAbove;
    }
    return rateError;
}

double TotalInterest(const LoanState& loan) { return loan.Repayment * loan.PeriodMonths - loan.Principal; }

double TotalRepayments(const LoanState& loan) { return loan.Repayment * loan.PeriodMonths; }

void ToggleFinanceCharges(LoanState& loan) { loan.FinChargeState = FinanceChargesShown(loan) ? "UP" : "DOWN"; }

Refusal LoanRateMessage() { return {"Incorrect Interest Rate!", "The maximum interest rate allowed is 50%"}; }

Refusal LoanPeriodMessage() { return {"Incorrect Period!", "The maximum period  allowed is 600 months"}; }

}  // namespace kelvara

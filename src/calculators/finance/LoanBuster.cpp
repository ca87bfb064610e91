#include "LoanBuster.h"

#include "Annuity.h"

namespace kelvara {

namespace {

// The monthly rate is worked in double precision from the single-precision
// annual rate.
double MonthlyRate(const LoanBusterState& buster) { return Annuity::MonthlyRate(buster.BusterRate); }

double AtLeastZero(double value) { return value < 0 ? 0 : value; }

}  // namespace

double BRPAYMENT(const LoanBusterState& buster, double months) {
    if (buster.BusterPrincipal == 0 || months == 0 || buster.BusterRate == 0) return 0;
    return Annuity::Repayment(buster.BusterPrincipal, MonthlyRate(buster), months);
}

double BPAMOUNT(const LoanBusterState& buster, double repayment, double months) {
    if (buster.BusterRate == 0 || months == 0 || repayment == 0) return 0;
    return Annuity::Principal(repayment, MonthlyRate(buster), months);
}

std::int16_t BPER(const LoanBusterState& buster, double& repayment) {
    if (buster.BusterPrincipal == 0 || buster.BusterRate == 0 || repayment == 0) return 0;
    const Annuity::PeriodFound found = Annuity::SearchPeriod(buster.BusterPrincipal, MonthlyRate(buster), repayment);
    repayment = found.Repayment;
    return static_cast<std::int16_t>(found.Months);
}

void BBCalc(LoanBusterState& buster, std::int16_t period, LoanBusterResult& result) {
    const double principal = buster.BusterPrincipal;
    if (principal == 0 || period == 0 || buster.BusterRate == 0) {
        result = {};
        return;
    }
    result.Period = period;
    const double normal = BRPAYMENT(buster, period);
    result.Repayment = normal;
    result.TotalInterest = AtLeastZero(normal * period - principal);
    result.TotalRepayments = AtLeastZero(period * normal);

    const double typedExtra = buster.ExtraPayment;
    if (10 * normal < typedExtra) return;

    // A cent off first, as in the loan calculator's period search, so that a
    // repayment that already pays off in whole months comes back unchanged.
    double repayment = normal + (typedExtra - 0.01);
    const std::int16_t newPeriod = BPER(buster, repayment);
    const double extra = typedExtra != 0 ? repayment - normal : 0;
    buster.ExtraPayment = extra;

    result.NewPeriod = newPeriod;
    result.NewRepayment = repayment;
    if (extra == 0) {
        result.NewTotalInterest = result.TotalInterest;
        result.NewTotalRepayments = result.TotalRepayments;
        result.TotalSaving = 0;
        return;
    }
    result.NewTotalInterest = AtLeastZero(repayment * newPeriod - principal);
    result.NewTotalRepayments = AtLeastZero(newPeriod * repayment);
    result.TotalSaving = period * normal - newPeriod * repayment;
}

FieldValues BondBustRecord(const LoanBusterState& buster, const LoanBusterResult& result) {
    return {
        {"PAmt", buster.BusterPrincipal},       {"Period", result.Period},
        {"IntRate", buster.BusterRate},         {"MonRep", result.Repayment},
        {"TotIntPaid", result.TotalInterest},   {"TotRep", result.TotalRepayments},
        {"XtraPay", buster.ExtraPayment},       {"Xper", result.NewPeriod},
        {"XMonRep", result.NewRepayment},       {"XTotIntPaid", result.NewTotalInterest},
        {"XTotRep", result.NewTotalRepayments}, {"XTotSavings", result.TotalSaving},
    };
}

}  // namespace kelvara

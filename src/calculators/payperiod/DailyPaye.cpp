#include "MedicalCredits.h"
#include "PayPeriod.h"
#include "PayPeriodRules.h"

namespace kelvara {

using namespace PayPeriodRules;

namespace {
constexpr int DaysInYear = 260;
}  // namespace

PayPeriodOutcome CalculateDaily(EngineState& engine, const PayPeriodInputs& in, const Settings& settings) {
    PayPeriodResult r;
    if (HasMedicalContributions(in.EmployerMedAidCont, in.EmployeeMedAidCont)) {
        r.MedicalCredit = MedicalCreditForPeriod(in.Members, CreditPeriod::Daily);
    }
    r.FundDeduction = AllowableFundDeduction(in, settings, FundDeductionCapPerYear / DaysInYear);
    const double income = (TaxableTravel(in, settings) + in.Salary + in.Commission - r.FundDeduction +
                           in.EmployerMedAidCont + in.EmployerFundCont) *
                          DaysInYear;
    // A day is always a whole period: one day worked of one.
    r.PeriodTax = RegularPeriodTax(engine, income, in.Bonus, RebateForAge(in.Age), DaysInYear, 1, 1);

    AddUifAndSkillsLevy(r, in, settings, UifLimit(settings, DaysInYear));
    AddCredits(r, in);
    return {std::nullopt, r};
}

}  // namespace kelvara

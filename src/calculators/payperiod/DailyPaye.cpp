#include "MedicalCredits.h"
#include "PayPeriod.h"
#include "PayPeriodRules.h"
#include "TaxWorking.h"

namespace kelvara {

using namespace PayPeriodRules;

namespace {
constexpr int DaysInYear = 260;
}  // namespace

PayPeriodOutcome CalculateDaily(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                Working* account) {
    const WorkingRecorder working(account);
    PayPeriodResult r;
    const double rebate = RebateForAge(in.Age);
    working.Heading("Daily PAYE");
    working.Explain([&](Working& into) { ExplainRebate(into, in.Age, rebate); });
    r.FundDeduction = AllowableFundDeduction(in, settings, DaysInYear, working);
    const double day = TaxableTravel(in, settings) + in.Salary + in.Commission - r.FundDeduction +
                       in.EmployerMedAidCont + in.EmployerFundCont;
    const double income = day * DaysInYear;
    working.Explain([&](Working& into) { ExplainPeriodIncome(into, in, settings, r.FundDeduction, day); });
    working.Step([&] { return "Annualised: × " + std::to_string(DaysInYear) + " working days"; }, income);
    // A day is always a whole period: one day worked of one.
    r.PeriodTax = RegularPeriodTax(engine, income, in.Bonus, rebate, DaysInYear, 1, 1, working);

    AddUifAndSkillsLevy(r, in, settings, DaysInYear, working);
    AddMedicalCredit(r, in, CreditPeriod::Daily, working);
    AddCredits(r, in, working);
    return {std::nullopt, r};
}

}  // namespace kelvara

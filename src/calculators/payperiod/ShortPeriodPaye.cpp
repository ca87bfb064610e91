#include "PayPeriod.h"
#include "PayPeriodRules.h"
#include "ShortPeriodDesign.h"

namespace kelvara {

using namespace PayPeriodRules;

namespace {

std::optional<PayPeriodRefusal> CheckDays(const ShortPeriodDesign& design, const PayPeriodInputs& in) {
    if (in.ThisDays > in.NormalDays) {
        return PayPeriodRefusal{IncorrectDaysTitle, design.DayCountMessage, RefusalFocus::CalculateButton};
    }
    // A period without days worked cannot be raised to a normal one.
    if (in.ThisDays <= 0) {
        return PayPeriodRefusal{IncorrectDaysTitle, design.NoDaysMessage, RefusalFocus::CalculateButton};
    }
    return std::nullopt;
}

PayPeriodOutcome CalculateShortPeriod(const ShortPeriodDesign& design, EngineState& engine,
                                      const PayPeriodInputs& in, const Settings& settings) {
    if (auto refusal = CheckDays(design, in)) return {std::move(refusal), {}};

    PayPeriodResult r;
    if (HasMedicalContributions(in.EmployerMedAidCont, in.EmployeeMedAidCont)) {
        r.MedicalCredit = MedicalCreditForPeriod(in.Members, design.Credit);
    }
    r.FundDeduction = AllowableFundDeduction(in, settings, FundDeductionCapPerYear / design.Periods);
    const double period = in.EmployerFundCont + in.EmployerMedAidCont +
                          (TaxableTravel(in, settings) + in.Salary + in.Commission - r.FundDeduction);
    // A short period is raised to a normal one and annualised; the bonus is not.
    const double income = period * (in.NormalDays / in.ThisDays * design.Periods);
    r.PeriodTax = RegularPeriodTax(engine, income, in.Bonus, RebateForAge(in.Age), design.Periods, in.ThisDays,
                                   in.NormalDays);

    AddUifAndSkillsLevy(r, in, settings, UifLimit(settings, design.Periods));
    AddCredits(r, in);
    return {std::nullopt, r};
}

}  // namespace

PayPeriodOutcome CalculateFortnightly(EngineState& engine, const PayPeriodInputs& in, const Settings& settings) {
    return CalculateShortPeriod(FortnightlyDesign, engine, in, settings);
}

PayPeriodOutcome CalculateWeekly(EngineState& engine, const PayPeriodInputs& in, const Settings& settings) {
    return CalculateShortPeriod(WeeklyDesign, engine, in, settings);
}

}  // namespace kelvara

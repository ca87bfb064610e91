#include "PayPeriodRules.h"

#include "MedicalCredits.h"

namespace kelvara::PayPeriodRules {

double TaxableTravel(const PayPeriodInputs& in, const Settings& settings) {
    return in.TravelAllowance * settings.TAIncRate8020;
}

double AllowableFundDeduction(const PayPeriodInputs& in, const Settings& settings, double cap) {
    const double fund = in.EmployerFundCont + in.EmployeeFundCont;
    const double base = in.Salary + in.EmployerMedAidCont + in.Commission + in.Bonus + TaxableTravel(in, settings) +
                        in.EmployerFundCont;
    const double deduction = FundDeductionShare * base >= fund ? fund : FundDeductionShare * base;
    return deduction > cap ? cap : deduction;
}

double UifLimit(const Settings& settings, int periods) {
    return periods == 12 ? settings.UIFLimit : settings.UIFLimit * 12 / periods;
}

void AddUifAndSkillsLevy(PayPeriodResult& result, const PayPeriodInputs& in, const Settings& settings,
                         double uifLimit) {
    // The commission is no part of the UIF base.
    const double base =
        in.Salary + in.EmployerMedAidCont + in.Bonus + TaxableTravel(in, settings) + in.EmployerFundCont;
    const double uifBase = base <= uifLimit ? base : uifLimit;
    result.UIFEmployee = uifBase * settings.EmployeeUIF / 100;
    result.UIFEmployer = uifBase * settings.EmployerUIF / 100;
    result.SkillsLevy = (base - result.FundDeduction + in.Commission) * (settings.SkillLevy / 100);
}

void AddCredits(PayPeriodResult& result, const PayPeriodInputs& in) {
    result.AdditionalCredit =
        AdditionalMedicalCredit(result.MedicalCredit, in.EmployerMedAidCont, in.EmployeeMedAidCont, in.Age);
    const double afterCredits = result.PeriodTax - (result.MedicalCredit + result.AdditionalCredit);
    result.TaxAfterCredits = afterCredits > 0 ? afterCredits : 0;
}

double RegularPeriodTax(EngineState& engine, double income, double bonus, double rebate, int periods,
                        double thisDays, double normalDays) {
    const double withBonus = CalcAnnualTax(engine, income + bonus).Tax;
    const double withoutBonus = CalcAnnualTax(engine, income).Tax;
    return AtLeastZero((withoutBonus - rebate) / periods * thisDays / normalDays + (withBonus - withoutBonus));
}

}  // namespace kelvara::PayPeriodRules

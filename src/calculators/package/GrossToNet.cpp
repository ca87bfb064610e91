#include "GrossToNet.h"

#include "PackageAmounts.h"

namespace kelvara {

namespace {

// Works out the package; the window state takes the rules' changes.
PackageResult Package(EngineState& engine, PackageInputs& state, const Settings& settings, PackagePeriod period) {
    PackageResult r;
    const double required = state.Required;
    r.CarBen = CompanyCarBenefit(state.CompanyCar, settings, period);
    r.Rebate = RebateForAge(state.Age);
    ApplyMedicalFieldRules(state);
    const PackageCredits credits = PackageMedicalCredits(state, period);
    r.MSFC = credits.MSFC;
    r.AMC = credits.AMC;

    const FundContributions funds = Contributions(required, state, settings);
    r.FundEE = funds.Employee;
    r.FundER = funds.Employer;
    const double includedTravel = state.TravelAllowance * settings.TAIncRate8020;
    r.FundLimit = FundDeductionLimit(
        funds, required + state.MedicalAidCost + includedTravel + funds.Employer, period);

    const double taxable = required - state.TravelAllowance + includedTravel + r.CarBen - r.FundLimit;
    r.Tax = PeriodTax(&engine, taxable, r.Rebate, period);
    WriteBackContributions(state, funds, settings);

    const double uifBase = required - state.TravelAllowance + includedTravel + r.CarBen;
    const UifAndLevy uif = UifAndSkillsLevy(uifBase, r.FundLimit, settings, period);
    r.UIFEE = uif.Employee;
    r.UIFER = uif.Employer;
    r.SDL = uif.SkillsLevy;
    return r;
}

}  // namespace

PackageCalculation CalculateGrossToNet(EngineState& engine, const PackageInputs& inputs, const Settings& settings,
                                       PackagePeriod period, const PackageResult& previous) {
    PackageCalculation calc;
    calc.Inputs = inputs;
    if (inputs.Required == 0) {
        calc.Result = previous;
        calc.Result.AMC = 0;
        calc.StoppedEarly = true;
    } else {
        calc.Result = Package(engine, calc.Inputs, settings, period);
    }

    const PackageInputs& state = calc.Inputs;
    PackageShown& shown = calc.Shown;
    shown = ShownAmounts(state, calc.Result, calc.StoppedEarly);
    // The take-home salary is what is left of the package; it is shown as the
    // negative amount it is when the deductions exceed the package.
    shown.GrossSal = ShownCents(state.Required - state.MedicalAid - state.OtherFringeBenefits - state.FundEmployee -
                                state.MedicalDeductions - shown.UIFCont - shown.TaxDeduct - state.MedicalAidCost -
                                state.FundEmployer - OtherExpenseTotal(state));
    shown.TotCostComp = ShownCents(state.Required + state.FundEmployer + shown.CCUIFCont + shown.CCSkillLev +
                                   state.CompanyCarCost);
    return calc;
}

}  // namespace kelvara

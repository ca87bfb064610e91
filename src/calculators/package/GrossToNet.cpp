#include "GrossToNet.h"

#include "PackageAmounts.h"
#include "TaxWorking.h"
#include "WorkingRecorder.h"

namespace kelvara {

namespace {

// Works out the package; the window state takes the rules' changes.
PackageResult Package(EngineState& engine, PackageInputs& state, const Settings& settings, PackagePeriod period,
                      WorkingRecorder working) {
    PackageResult r;
    const double required = state.Required;
    r.Rebate = RebateForAge(state.Age);
    working.Heading([&] { return std::string("Gross to net, amounts ") + PeriodWords(period); });
    working.Step("Total package", required);
    working.Explain([&](Working& into) { ExplainRebate(into, state.Age, r.Rebate); });
    r.CarBen = CompanyCarBenefit(state.CompanyCar, settings, period, working);
    ApplyMedicalFieldRules(state);
    const PackageCredits credits = PackageMedicalCredits(state, period, working);
    r.MSFC = credits.MSFC;
    r.AMC = credits.AMC;

    const FundContributions funds = Contributions(required, state, settings, working);
    r.FundEE = funds.Employee;
    r.FundER = funds.Employer;
    const double includedTravel = state.TravelAllowance * settings.TAIncRate8020;
    r.FundLimit =
        FundDeductionLimit(funds, required + state.MedicalAidCost + includedTravel + funds.Employer, period, working);

    const double taxable = required - state.TravelAllowance + includedTravel + r.CarBen - r.FundLimit;
    working.Heading("Taxable income");
    working.Step("Total package", required);
    working.Step("Less the travel allowance", -state.TravelAllowance);
    working.Step(
        [&] {
            return "Taxable travel allowance: " + Figure(settings.TAIncRate8020 * 100) + "% of " +
                   Rand(state.TravelAllowance);
        },
        includedTravel);
    working.Step("Company-car benefit", r.CarBen);
    working.Step("Less the retirement-fund deduction limit", -r.FundLimit);
    working.Step("Taxable income", taxable);
    r.Tax = PeriodTax(&engine, taxable, r.Rebate, period, working);
    WriteBackContributions(state, funds, settings);

    const double uifBase = required - state.TravelAllowance + includedTravel + r.CarBen;
    const UifAndLevy uif = UifAndSkillsLevy(uifBase, r.FundLimit, settings, period, working);
    r.UIFEE = uif.Employee;
    r.UIFER = uif.Employer;
    r.SDL = uif.SkillsLevy;
    return r;
}

void ExplainTotals(Working& working, const PackageInputs& state, const PackageShown& shown) {
    working.Heading("Take-home salary");
    working.Step("Total package", state.Required);
    working.Step("Less the employee's medical aid", -state.MedicalAid);
    working.Step("Less the other fringe benefits", -state.OtherFringeBenefits);
    working.Step("Less the employee's fund contribution", -state.FundEmployee);
    working.Step("Less the medical deductions", -state.MedicalDeductions);
    working.Step("Less the employee's UIF", -shown.UIFCont);
    working.Step("Less the tax deduction", -shown.TaxDeduct);
    working.Step("Less the employer's medical aid", -state.MedicalAidCost);
    working.Step("Less the employer's fund contribution", -state.FundEmployer);
    working.Step("Less the other expenses", -OtherExpenseTotal(state));
    working.Result("Take-home salary", shown.GrossSal, "GrossSal");
    working.Heading("Cost to the company");
    working.Step("Total package", state.Required);
    working.Step("Employer's fund contribution", state.FundEmployer);
    working.Step("Employer's UIF", shown.CCUIFCont);
    working.Step("Skills levy", shown.CCSkillLev);
    working.Step("Employer's cost of the car", state.CompanyCarCost);
    working.Result("Total cost to the company", shown.TotCostComp, "TotCostComp");
}

}  // namespace

PackageCalculation CalculateGrossToNet(EngineState& engine, const PackageInputs& inputs, const Settings& settings,
                                       PackagePeriod period, Working* account) {
    const WorkingRecorder working(account);
    PackageCalculation calc;
    calc.Inputs = inputs;
    if (inputs.Required == 0) {
        calc.StoppedEarly = true;
        working.Note("No total package was given, so nothing was worked out");
        return calc;
    }
    calc.Result = Package(engine, calc.Inputs, settings, period, working);

    const PackageInputs& state = calc.Inputs;
    PackageShown& shown = calc.Shown;
    shown = ShownAmounts(state, calc.Result, calc.StoppedEarly);
    // The take-home salary is what is left of the package; it is shown as the
    // negative amount it is when the deductions exceed the package.
    shown.GrossSal = ShownCents(state.Required - state.MedicalAid - state.OtherFringeBenefits - state.FundEmployee -
                                state.MedicalDeductions - shown.UIFCont - shown.TaxDeduct - state.MedicalAidCost -
                                state.FundEmployer - OtherExpenseTotal(state));
    shown.TotCostComp =
        ShownCents(state.Required + state.FundEmployer + shown.CCUIFCont + shown.CCSkillLev + state.CompanyCarCost);
    working.Explain([&](Working& into) {
        ExplainShownAmounts(into, calc.Result, shown);
        ExplainTotals(into, state, shown);
    });
    return calc;
}

}  // namespace kelvara

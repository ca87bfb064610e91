#include "NetToGross.h"

#include <cmath>

#include "TaxWorking.h"

namespace kelvara {

namespace {

constexpr const char* ApplicationTitle = "Kelvara 2027";
constexpr double TopTaxRate = 0.45;
constexpr double LeastGainPerRand = 0.01;

bool FringeBenefitsExceedRequired(const PackageInputs& in, PackagePeriod period) {
    double fringe = in.TravelAllowance + in.OtherFringeBenefits + OtherExpenseTotal(in);
    // The annual window also weighs the fund amounts it holds, which are the
    // previous calculation's contributions when a percentage was set then.
    if (period == PackagePeriod::Annual) fringe = fringe - in.FundEmployer + in.FundEmployee;
    return fringe > in.Required;
}

bool NetExceedsRequired(const NetToGrossBasis& basis, double search) {
    return EvaluateNetToGrossStep(basis, search).Net > basis.State.Required;
}

PackageResult ResultOf(const NetToGrossBasis& basis, const NetToGrossStep& step, Working* working) {
    PackageResult r;
    r.CarBen = basis.CarBen;
    r.Rebate = basis.Rebate;
    r.MSFC = basis.Credits.MSFC;
    r.AMC = basis.Credits.AMC;
    r.FundEE = step.Funds.Employee;
    r.FundER = step.Funds.Employer;
    r.Tax = step.Tax;
    r.UIFEE = step.Uif.Employee;
    r.UIFER = step.Uif.Employer;
    r.SDL = step.Uif.SkillsLevy;
    r.Search = step.Search;
    const PackageInputs& in = basis.State;
    const double remuneration = step.Search + in.MedicalAidCost + in.MedicalAid +
                                in.TravelAllowance * basis.Setup.TAIncRate8020 + step.Funds.Employer;
    if (working) working->Heading("Retirement-fund deduction limit");
    r.FundLimit = FundDeductionLimit(step.Funds, remuneration, basis.Period, working);
    return r;
}

// The search's last step: the gross found gives more than the net required,
// the rand below it does not.
void ExplainSearch(Working& working, const NetToGrossBasis& basis, double search) {
    working.Heading("Search for the gross salary");
    working.Step("Net salary required", basis.State.Required);
    if (search > 1) {
        working.Step("Net salary at a gross of " + Rand(search - 1) + ": not more than required",
                     EvaluateNetToGrossStep(basis, search - 1).Net);
    }
    working.Step("Net salary at a gross of " + Rand(search) + ": more than required",
                 EvaluateNetToGrossStep(basis, search).Net);
    working.Result("Gross salary found: the least whole rand that gives more than the net required", search, "Search");
}

void ExplainTotals(Working& working, const PackageInputs& state, const PackageShown& shown) {
    working.Heading("Gross salary");
    working.Step("Net salary required", state.Required);
    working.Step("Medical deductions", state.MedicalDeductions);
    working.Step("Employee's UIF", shown.UIFCont);
    working.Step("Tax deduction", shown.TaxDeduct);
    working.Step("Other expenses", OtherExpenseTotal(state));
    working.Step("Employee's fund contribution", state.FundEmployee);
    working.Step("Employee's medical aid", state.MedicalAid);
    working.Result("Gross salary", shown.GrossSal, "GrossSal");
    working.Heading("Cost to the company");
    working.Step("Gross salary", shown.GrossSal);
    working.Step("Employer's medical aid", state.MedicalAidCost);
    working.Step("Employer's UIF", shown.CCUIFCont);
    working.Step("Skills levy", shown.CCSkillLev);
    working.Step("Employer's cost of the car", state.CompanyCarCost);
    working.Step("Employer's fund contribution", state.FundEmployer);
    working.Result("Total cost to the company", shown.TotCostComp, "TotCostComp");
}

}  // namespace

NetToGrossBasis PrepareNetToGross(const PackageInputs& inputs, const Settings& settings, PackagePeriod period,
                                  Working* working) {
    NetToGrossBasis basis;
    basis.State = inputs;
    ApplyMedicalFieldRules(basis.State);
    basis.Setup = settings;
    basis.Period = period;
    basis.Rebate = RebateForAge(inputs.Age);
    if (working) {
        working->Heading(std::string("Net to gross, amounts ") + PeriodWords(period));
        ExplainRebate(*working, inputs.Age, basis.Rebate);
    }
    basis.CarBen = CompanyCarBenefit(inputs.CompanyCar, settings, period, working);
    basis.Credits = PackageMedicalCredits(basis.State, period, working);
    basis.OtherExpenses = OtherExpenseTotal(inputs);
    return basis;
}

NetToGrossStep EvaluateNetToGrossStep(const NetToGrossBasis& basis, double search, EngineState* engine,
                                      Working* working) {
    const PackageInputs& in = basis.State;
    const double credits = basis.Credits.Total();
    const double includedTravel = in.TravelAllowance * basis.Setup.TAIncRate8020;
    NetToGrossStep step;
    step.Search = search;
    const double pensionable = search + in.MedicalAid + in.MedicalAidCost - credits;
    if (working) {
        working->Heading("Pensionable amount at the gross salary found");
        working->Step("Gross salary and the medical aid of employee and employer, less the medical credits",
                      pensionable);
    }
    step.Funds = Contributions(pensionable, in, basis.Setup, working);
    const double taxable = basis.CarBen + search + includedTravel + in.OtherFringeBenefits + basis.OtherExpenses -
                           step.Funds.Employee - in.MedicalDeductions + in.MedicalAid - credits + in.MedicalAidCost;
    if (working) {
        working->Heading("Taxable income at the gross salary found");
        working->Step("Gross salary", search);
        working->Step("Company-car benefit", basis.CarBen);
        working->Step("Taxable travel allowance: " + Figure(basis.Setup.TAIncRate8020 * 100) + "% of " +
                          Rand(in.TravelAllowance),
                      includedTravel);
        working->Step("Other fringe benefits and other expenses", in.OtherFringeBenefits + basis.OtherExpenses);
        working->Step("Less the employee's fund contribution", -step.Funds.Employee);
        working->Step("Less the medical deductions", -in.MedicalDeductions);
        working->Step("Medical aid of employee and employer, less the medical credits",
                      in.MedicalAid - credits + in.MedicalAidCost);
        working->Step("Taxable income", taxable);
    }
    step.Tax = PeriodTax(engine, taxable, basis.Rebate, basis.Period, working);
    const double uifBase = basis.CarBen + search + includedTravel + in.OtherFringeBenefits + basis.OtherExpenses +
                           in.MedicalAidCost + step.Funds.Employer - credits;
    step.Uif = UifAndSkillsLevy(uifBase, step.Funds.Employee + step.Funds.Employer, basis.Setup, basis.Period,
                                working);
    // The medical credits reduce the net instead of the tax when they reach it.
    const double taken = credits < step.Tax ? step.Tax : credits;
    step.Net = search + in.TravelAllowance - step.Funds.Employee - in.MedicalDeductions - step.Uif.Employee - taken;
    if (working) {
        working->Heading("Net salary at the gross salary found");
        working->Step("Gross salary and the travel allowance", search + in.TravelAllowance);
        working->Step("Less the employee's fund contribution and medical deductions",
                      -(step.Funds.Employee + in.MedicalDeductions));
        working->Step("Less the employee's UIF", -step.Uif.Employee);
        working->Step(credits < step.Tax ? "Less the tax (the credits are below it)"
                                         : "Less the medical credits (they reach the tax)",
                      -taken);
        working->Step("Net salary", step.Net);
    }
    return step;
}

bool NetRisesWithGross(const Settings& settings) {
    // A rand of gross adds the employer's fund share to the UIF base too.
    const double keptOfFund = 1 - settings.PensionCont / 100;
    const double uifShare = (1 + settings.EmployerPenCont / 100) * settings.EmployeeUIF / 100;
    return keptOfFund * (1 - TopTaxRate) - uifShare >= LeastGainPerRand;
}

std::optional<double> FindGross(const NetToGrossBasis& basis) {
    // Bracket: low never gives enough (0 stands for "no trial yet"), high does.
    double low = 0;
    double high = 1;
    while (!NetExceedsRequired(basis, high)) {
        if (high == LargestSearch) return std::nullopt;
        low = high;
        high = high * 2 < LargestSearch ? high * 2 : LargestSearch;
    }
    while (high - low > 1) {
        const double middle = low + std::floor((high - low) / 2);
        (NetExceedsRequired(basis, middle) ? high : low) = middle;
    }
    // The net rises by at least a cent a rand, far above the rounding of the
    // arithmetic, so the rand below cannot be enough; confirm it all the same.
    while (high > 1 && NetExceedsRequired(basis, high - 1)) high -= 1;
    return high;
}

PackageCalculation CalculateNetToGross(EngineState& engine, const PackageInputs& inputs, const Settings& settings,
                                       PackagePeriod period, const PackageResult& previous, Working* working) {
    PackageCalculation calc;
    calc.Inputs = inputs;
    calc.Result = previous;
    calc.Result.AMC = 0;
    calc.StoppedEarly = true;
    if (inputs.Required == 0) {
        // Nothing required: nothing is worked out and no message is shown.
        if (working) working->Note("No net salary was required, so nothing was worked out");
    } else if (FringeBenefitsExceedRequired(inputs, period)) {
        calc.Refusal = FringeBenefitsRefusal();
    } else if (!NetRisesWithGross(settings)) {
        calc.Refusal = NetCannotRiseRefusal();
    } else {
        const NetToGrossBasis basis = PrepareNetToGross(inputs, settings, period, working);
        calc.Inputs = basis.State;
        if (const std::optional<double> search = FindGross(basis)) {
            if (working) ExplainSearch(*working, basis, *search);
            const NetToGrossStep step = EvaluateNetToGrossStep(basis, *search, &engine, working);
            calc.Result = ResultOf(basis, step, working);
            calc.StoppedEarly = false;
            WriteBackContributions(calc.Inputs, step.Funds, settings);
        } else {
            calc.Refusal = NetOutOfReachRefusal();
        }
    }
    if (working && calc.Refusal) working->Note("Nothing was worked out: " + calc.Refusal->Text);

    const PackageInputs& state = calc.Inputs;
    PackageShown& shown = calc.Shown;
    shown = ShownAmounts(state, calc.Result, calc.StoppedEarly);
    shown.GrossSal = ShownCents(state.Required + state.MedicalDeductions + shown.UIFCont + shown.TaxDeduct +
                                OtherExpenseTotal(state) + state.FundEmployee + state.MedicalAid);
    shown.TotCostComp = ShownCents(shown.GrossSal + state.MedicalAidCost + shown.CCUIFCont + shown.CCSkillLev +
                                   state.CompanyCarCost + state.FundEmployer);
    if (working && !calc.StoppedEarly) {
        ExplainShownAmounts(*working, calc.Result, shown);
        ExplainTotals(*working, state, shown);
    }
    return calc;
}

PackageRefusal FringeBenefitsRefusal() { return {ApplicationTitle, "Fringe benefits more than salary required!", false}; }

PackageRefusal NetCannotRiseRefusal() {
    return {ApplicationTitle,
            "The employee's retirement-fund and UIF percentages in the settings leave too little of each extra rand "
            "of gross salary to reach the net salary required. Please lower them in the settings.",
            true};
}

PackageRefusal NetOutOfReachRefusal() {
    return {ApplicationTitle,
            "No gross salary up to R99 999 999 gives the net salary required. Please check the amounts and the "
            "settings.",
            true};
}

}  // namespace kelvara

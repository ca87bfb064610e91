#include "NetToGross.h"

#include <cmath>

#include "TaxWorking.h"
#include "WorkingRecorder.h"

namespace kelvara {

namespace {

constexpr double TopTaxRate = 0.45;
constexpr double LeastGainPerRand = 0.01;

bool FringeBenefitsExceedRequired(const PackageInputs& in, const Settings& settings, PackagePeriod period) {
    double fringe = in.TravelAllowance + in.OtherFringeBenefits + OtherExpenseTotal(in);
    // The annual window also weighs the fund amounts the user typed. Under a
    // percentage a fund field holds the contribution last worked out, which
    // is no fringe benefit of the package now asked for.
    if (period == PackagePeriod::Annual) {
        if (settings.EmployerPenCont == 0) fringe -= in.FundEmployer;
        if (settings.PensionCont == 0) fringe += in.FundEmployee;
    }
    return fringe > in.Required;
}

bool NetExceedsRequired(const NetToGrossBasis& basis, double search) {
    return EvaluateNetToGrossStep(basis, search).Net > basis.State.Required;
}

// The least whole rand from `from` to `to` whose net exceeds the net
// required, over a stretch where the net never falls: bracketed by doubling
// steps from `from`, then halved.
std::optional<double> FirstEnough(const NetToGrossBasis& basis, double from, double to) {
    double low = from - 1;  // never enough: below the stretch, or tried
    double high = from;
    for (double step = 1; !NetExceedsRequired(basis, high); step *= 2) {
        if (high >= to) return std::nullopt;
        low = high;
        high = from - 1 + step * 2 < to ? from - 1 + step * 2 : to;
    }
    while (high - low > 1) {
        const double middle = low + std::floor((high - low) / 2);
        (NetExceedsRequired(basis, middle) ? high : low) = middle;
    }
    // The arithmetic's rounding is far below what a rand adds to the net, so
    // the rand below cannot be enough; confirm it all the same.
    while (high > from && NetExceedsRequired(basis, high - 1)) high -= 1;
    return high;
}

// The last whole rand whose UIF base stays within the ceiling (0 for none);
// the base rises with the gross.
double LastUnderUifCeiling(const NetToGrossBasis& basis) {
    const double ceiling = UifCeiling(basis.Setup, basis.Period);
    const auto under = [&](double search) { return EvaluateNetToGrossStep(basis, search).UifBase <= ceiling; };
    if (under(LargestSearch)) return LargestSearch;
    double low = 0;
    double high = LargestSearch;  // over the ceiling
    while (high - low > 1) {
        const double middle = low + std::floor((high - low) / 2);
        (under(middle) ? low : high) = middle;
    }
    return low;
}

// Where a net that rises to a single peak and falls after it is highest
// between `from` and `to`: the first rand after which it no longer rises.
double NetPeak(const NetToGrossBasis& basis, double from, double to) {
    const auto netAt = [&](double search) { return EvaluateNetToGrossStep(basis, search).Net; };
    double low = from - 1;  // still rising after it
    double high = to;
    while (high - low > 1) {
        const double middle = low + std::floor((high - low) / 2);
        (netAt(middle + 1) <= netAt(middle) ? high : low) = middle;
    }
    return high;
}

PackageResult ResultOf(const NetToGrossBasis& basis, const NetToGrossStep& step, WorkingRecorder working) {
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
    working.Heading("Retirement-fund deduction limit");
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
                                  Working* account) {
    const WorkingRecorder working(account);
    NetToGrossBasis basis;
    basis.State = inputs;
    ApplyMedicalFieldRules(basis.State);
    basis.Setup = settings;
    basis.Period = period;
    basis.Rebate = RebateForAge(inputs.Age);
    working.Heading([&] { return std::string("Net to gross, amounts ") + PeriodWords(period); });
    working.Explain([&](Working& into) { ExplainRebate(into, inputs.Age, basis.Rebate); });
    basis.CarBen = CompanyCarBenefit(inputs.CompanyCar, settings, period, working);
    basis.Credits = PackageMedicalCredits(basis.State, period, working);
    basis.OtherExpenses = OtherExpenseTotal(inputs);
    return basis;
}

NetToGrossStep EvaluateNetToGrossStep(const NetToGrossBasis& basis, double search, EngineState* engine,
                                      Working* account) {
    const WorkingRecorder working(account);
    const PackageInputs& in = basis.State;
    const double credits = basis.Credits.Total();
    const double includedTravel = in.TravelAllowance * basis.Setup.TAIncRate8020;
    NetToGrossStep step;
    step.Search = search;
    const double pensionable = search + in.MedicalAid + in.MedicalAidCost - credits;
    working.Heading("Pensionable amount at the gross salary found");
    working.Step("Gross salary and the medical aid of employee and employer, less the medical credits", pensionable);
    step.Funds = Contributions(pensionable, in, basis.Setup, working);
    const double taxable = basis.CarBen + search + includedTravel + in.OtherFringeBenefits + basis.OtherExpenses -
                           step.Funds.Employee - in.MedicalDeductions + in.MedicalAid - credits + in.MedicalAidCost;
    working.Heading("Taxable income at the gross salary found");
    working.Step("Gross salary", search);
    working.Step("Company-car benefit", basis.CarBen);
    working.Step(
        [&] {
            return "Taxable travel allowance: " + Figure(basis.Setup.TAIncRate8020 * 100) + "% of " +
                   Rand(in.TravelAllowance);
        },
        includedTravel);
    working.Step("Other fringe benefits and other expenses", in.OtherFringeBenefits + basis.OtherExpenses);
    working.Step("Less the employee's fund contribution", -step.Funds.Employee);
    working.Step("Less the medical deductions", -in.MedicalDeductions);
    working.Step("Medical aid of employee and employer, less the medical credits",
                 in.MedicalAid - credits + in.MedicalAidCost);
    working.Step("Taxable income", taxable);
    step.Tax = PeriodTax(engine, taxable, basis.Rebate, basis.Period, working);
    step.UifBase = basis.CarBen + search + includedTravel + in.OtherFringeBenefits + basis.OtherExpenses +
                   in.MedicalAidCost + step.Funds.Employer - credits;
    step.Uif =
        UifAndSkillsLevy(step.UifBase, step.Funds.Employee + step.Funds.Employer, basis.Setup, basis.Period, working);
    // The medical credits reduce the net instead of the tax when they reach it.
    const double taken = credits < step.Tax ? step.Tax : credits;
    step.Net = search + in.TravelAllowance - step.Funds.Employee - in.MedicalDeductions - step.Uif.Employee - taken;
    working.Heading("Net salary at the gross salary found");
    working.Step("Gross salary and the travel allowance", search + in.TravelAllowance);
    working.Step("Less the employee's fund contribution and medical deductions",
                 -(step.Funds.Employee + in.MedicalDeductions));
    working.Step("Less the employee's UIF", -step.Uif.Employee);
    working.Step(credits < step.Tax ? "Less the tax (the credits are below it)"
                                    : "Less the medical credits (they reach the tax)",
                 -taken);
    working.Step("Net salary", step.Net);
    return step;
}

bool NetRisesWithGross(const Settings& settings) {
    // A rand of gross adds the employer's fund share to the UIF base too.
    const double keptOfFund = 1 - settings.PensionCont / 100;
    const double uifShare = (1 + settings.EmployerPenCont / 100) * settings.EmployeeUIF / 100;
    return keptOfFund * (1 - TopTaxRate) - uifShare >= LeastGainPerRand;
}

std::optional<double> FindGross(const NetToGrossBasis& basis) {
    if (NetRisesWithGross(basis.Setup)) return FirstEnough(basis, 1, LargestSearch);
    // The employee's UIF may take more of a rand than the fund and the tax
    // leave, but only below the UIF ceiling; above it the net never falls.
    const double lastUnder = LastUnderUifCeiling(basis);
    if (lastUnder >= 1) {
        if (const auto found = FirstEnough(basis, 1, NetPeak(basis, 1, lastUnder))) return found;
    }
    if (lastUnder >= LargestSearch) return std::nullopt;
    return FirstEnough(basis, lastUnder + 1, LargestSearch);
}

PackageCalculation CalculateNetToGross(EngineState& engine, const PackageInputs& inputs, const Settings& settings,
                                       PackagePeriod period, Working* account) {
    const WorkingRecorder working(account);
    PackageCalculation calc;
    calc.Inputs = inputs;
    calc.StoppedEarly = true;
    if (inputs.Required == 0) {
        // Nothing required: nothing is worked out and no message is shown.
        working.Note("No net salary was required, so nothing was worked out");
        return calc;
    }
    if (FringeBenefitsExceedRequired(inputs, settings, period)) {
        calc.Refusal = FringeBenefitsRefusal();
    } else {
        const NetToGrossBasis basis = PrepareNetToGross(inputs, settings, period, account);
        calc.Inputs = basis.State;
        if (const std::optional<double> search = FindGross(basis)) {
            working.Explain([&](Working& into) { ExplainSearch(into, basis, *search); });
            const NetToGrossStep step = EvaluateNetToGrossStep(basis, *search, &engine, account);
            calc.Result = ResultOf(basis, step, working);
            calc.StoppedEarly = false;
            WriteBackContributions(calc.Inputs, step.Funds, settings);
        } else {
            calc.Refusal = NetRisesWithGross(settings) ? NetOutOfReachRefusal() : NetCannotRiseRefusal();
        }
    }
    if (calc.Refusal) {
        working.Note([&] { return "Nothing was worked out: " + calc.Refusal->Text; });
        return calc;
    }

    const PackageInputs& state = calc.Inputs;
    PackageShown& shown = calc.Shown;
    shown = ShownAmounts(state, calc.Result, calc.StoppedEarly);
    shown.GrossSal = ShownCents(state.Required + state.MedicalDeductions + shown.UIFCont + shown.TaxDeduct +
                                OtherExpenseTotal(state) + state.FundEmployee + state.MedicalAid);
    shown.TotCostComp = ShownCents(shown.GrossSal + state.MedicalAidCost + shown.CCUIFCont + shown.CCSkillLev +
                                   state.CompanyCarCost + state.FundEmployer);
    working.Explain([&](Working& into) {
        ExplainShownAmounts(into, calc.Result, shown);
        ExplainTotals(into, state, shown);
    });
    return calc;
}

Refusal FringeBenefitsRefusal() { return {PackageMessageTitle, "Fringe benefits more than salary required!", false}; }

Refusal NetCannotRiseRefusal() {
    return {PackageMessageTitle,
            "The employee's retirement-fund and UIF percentages in the settings leave too little of each extra rand "
            "of gross salary to reach the net salary required. Please lower them in the settings.",
            true};
}

Refusal NetOutOfReachRefusal() {
    return {PackageMessageTitle,
            "No gross salary up to R99 999 999 gives the net salary required. Please check the amounts and the "
            "settings.",
            true};
}

}  // namespace kelvara

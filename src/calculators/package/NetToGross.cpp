#include "NetToGross.h"

#include <cmath>

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

PackageResult ResultOf(const NetToGrossBasis& basis, const NetToGrossStep& step) {
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
    r.FundLimit = FundDeductionLimit(step.Funds, remuneration, basis.Period);
    return r;
}

}  // namespace

NetToGrossBasis PrepareNetToGross(const PackageInputs& inputs, const Settings& settings, PackagePeriod period) {
    NetToGrossBasis basis;
    basis.State = inputs;
    ApplyMedicalFieldRules(basis.State);
    basis.Setup = settings;
    basis.Period = period;
    basis.CarBen = CompanyCarBenefit(inputs.CompanyCar, settings, period);
    basis.Rebate = RebateForAge(inputs.Age);
    basis.Credits = PackageMedicalCredits(basis.State, period);
    basis.OtherExpenses = OtherExpenseTotal(inputs);
    return basis;
}

NetToGrossStep EvaluateNetToGrossStep(const NetToGrossBasis& basis, double search, EngineState* engine) {
    const PackageInputs& in = basis.State;
    const double credits = basis.Credits.Total();
    const double includedTravel = in.TravelAllowance * basis.Setup.TAIncRate8020;
    NetToGrossStep step;
    step.Search = search;
    step.Funds = Contributions(search + in.MedicalAid + in.MedicalAidCost - credits, in, basis.Setup);
    const double taxable = basis.CarBen + search + includedTravel + in.OtherFringeBenefits + basis.OtherExpenses -
                           step.Funds.Employee - in.MedicalDeductions + in.MedicalAid - credits + in.MedicalAidCost;
    step.Tax = PeriodTax(engine, taxable, basis.Rebate, basis.Period);
    const double uifBase = basis.CarBen + search + includedTravel + in.OtherFringeBenefits + basis.OtherExpenses +
                           in.MedicalAidCost + step.Funds.Employer - credits;
    step.Uif = UifAndSkillsLevy(uifBase, step.Funds.Employee + step.Funds.Employer, basis.Setup, basis.Period);
    // The medical credits reduce the net instead of the tax when they reach it.
    const double taken = credits < step.Tax ? step.Tax : credits;
    step.Net = search + in.TravelAllowance - step.Funds.Employee - in.MedicalDeductions - step.Uif.Employee - taken;
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
                                       PackagePeriod period, const PackageResult& previous) {
    PackageCalculation calc;
    calc.Inputs = inputs;
    calc.Result = previous;
    calc.Result.AMC = 0;
    calc.StoppedEarly = true;
    if (inputs.Required == 0) {
        // Nothing required: nothing is worked out and no message is shown.
    } else if (FringeBenefitsExceedRequired(inputs, period)) {
        calc.Refusal = FringeBenefitsRefusal();
    } else if (!NetRisesWithGross(settings)) {
        calc.Refusal = NetCannotRiseRefusal();
    } else {
        const NetToGrossBasis basis = PrepareNetToGross(inputs, settings, period);
        calc.Inputs = basis.State;
        if (const std::optional<double> search = FindGross(basis)) {
            const NetToGrossStep step = EvaluateNetToGrossStep(basis, *search, &engine);
            calc.Result = ResultOf(basis, step);
            calc.StoppedEarly = false;
            WriteBackContributions(calc.Inputs, step.Funds, settings);
        } else {
            calc.Refusal = NetOutOfReachRefusal();
        }
    }

    const PackageInputs& state = calc.Inputs;
    PackageShown& shown = calc.Shown;
    shown = ShownAmounts(state, calc.Result, calc.StoppedEarly);
    shown.GrossSal = ShownCents(state.Required + state.MedicalDeductions + shown.UIFCont + shown.TaxDeduct +
                                OtherExpenseTotal(state) + state.FundEmployee + state.MedicalAid);
    shown.TotCostComp = ShownCents(shown.GrossSal + state.MedicalAidCost + shown.CCUIFCont + shown.CCSkillLev +
                                   state.CompanyCarCost + state.FundEmployer);
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

#include "PackageAmounts.h"

#include "MedicalCredits.h"
#include "Rounding.h"
#include "TaxWorking.h"

namespace kelvara {

namespace {

double Annualised(double amount, PackagePeriod period) {
    return period == PackagePeriod::Annual ? amount * 12 : amount;
}

}  // namespace

double ShownCents(double amount) { return RoundHalfEven(amount, 2); }

const char* PeriodWords(PackagePeriod period) { return period == PackagePeriod::Annual ? "a year" : "a month"; }

double CompanyCarBenefit(double carValue, const Settings& settings, PackagePeriod period, WorkingRecorder working) {
    const CompanyCarFigures& car = ActiveTaxYear().CompanyCar;
    const double rate = (settings.CompCarMPYesNo ? car.MonthlyPercentWithPlan : car.MonthlyPercentWithoutPlan) / 100;
    const double benefit = Annualised(carValue * rate * settings.CompCarFBRate8020, period);
    working.Heading("Company car");
    working.Step("Value of the company car", carValue);
    working.Step(
        [&] {
            return "Taxable benefit: " + Figure(rate * 100) + "% a month (" +
                   (settings.CompCarMPYesNo ? "with" : "without") + " a maintenance plan) × " +
                   Figure(settings.CompCarFBRate8020 * 100) + "% taxed" +
                   (period == PackagePeriod::Annual ? " × 12 months" : "");
        },
        benefit);
    return benefit;
}

void ApplyMedicalFieldRules(PackageInputs& state) {
    if (state.Age < ActiveTaxYear().Medical.MedicalDeductionAge) state.MedicalDeductions = 0;
    if (!HasMedicalContributions(state.MedicalAidCost, state.MedicalAid)) state.Members = 0;
}

PackageCredits PackageMedicalCredits(const PackageInputs& inputs, PackagePeriod period, WorkingRecorder working) {
    PackageCredits credits;
    const bool contributions = HasMedicalContributions(inputs.MedicalAidCost, inputs.MedicalAid);
    if (contributions) {
        credits.MSFC = period == PackagePeriod::Annual ? MedicalCreditForMemberMonths(inputs.Members)
                                                       : MedicalCreditForMembers(inputs.Members);
        credits.AMC = AdditionalMedicalCredit(credits.MSFC, inputs.MedicalAidCost, inputs.MedicalAid, inputs.Age);
    }
    working.Heading("Medical tax credits");
    if (!contributions) {
        working.Note("No medical-aid contributions, so no medical tax credits");
    } else {
        working.Step(
            [&] {
                return "Medical-aid contributions: the employee's " + Rand(inputs.MedicalAid) + " and the employer's " +
                       Rand(inputs.MedicalAidCost);
            },
            inputs.MedicalAid + inputs.MedicalAidCost);
        working.Step(
            [&] {
                return std::string("Medical scheme fees tax credit for ") +
                       (period == PackagePeriod::Annual ? std::to_string(inputs.Members) + " member-months"
                                                        : std::to_string(inputs.Members) + " members") +
                       " (" + MedicalCreditRatesText() + ")";
            },
            credits.MSFC);
    }
    working.Step([&] { return AdditionalCreditText(inputs.Age); }, credits.AMC);
    return credits;
}

FundContributions Contributions(double pensionableBase, const PackageInputs& inputs, const Settings& settings,
                                WorkingRecorder working) {
    FundContributions funds;
    funds.Employee = settings.PensionCont > 0 ? pensionableBase * settings.PensionCont / 100 : inputs.FundEmployee;
    funds.Employer =
        settings.EmployerPenCont > 0 ? pensionableBase * settings.EmployerPenCont / 100 : inputs.FundEmployer;
    working.Heading("Retirement-fund contributions");
    const auto explain = [&](const char* whose, double percent, double amount) {
        working.Step(
            [&] {
                return percent > 0 ? std::string(whose) + ": " + Figure(percent) + "% of " + Rand(pensionableBase)
                                   : std::string(whose) + ": the amount typed";
            },
            amount);
    };
    explain("Employee's contribution", settings.PensionCont, funds.Employee);
    explain("Employer's contribution", settings.EmployerPenCont, funds.Employer);
    return funds;
}

double FundDeductionLimit(const FundContributions& funds, double remuneration, PackagePeriod period,
                          WorkingRecorder working) {
    const double contributions = funds.Employee + funds.Employer;
    const RetirementFundFigures& fund = ActiveTaxYear().RetirementFund;
    const double share = fund.Share() * remuneration;
    const double limit = share >= contributions ? contributions : share;
    const double cap = period == PackagePeriod::Annual ? fund.PackageCapPerYear : fund.PackageCapPerYear / 12;
    const double allowed = limit >= cap ? cap : limit;
    const auto percent = [&] { return Figure(fund.PercentOfRemuneration) + "%"; };
    working.Step("Both contributions", contributions);
    working.Step([&] { return percent() + " of the remuneration of " + Rand(remuneration); }, share);
    working.Step(
        [&] {
            return std::string("Cap: ") + Rand(fund.PackageCapPerYear) + " a year" +
                   (period == PackagePeriod::Annual ? "" : " ÷ 12");
        },
        cap);
    working.Result([&] { return "Deduction limit: the contributions, at most the " + percent() + " and the cap"; },
                   allowed, "FundLimit");
    return allowed;
}

double UifCeiling(const Settings& settings, PackagePeriod period) {
    return period == PackagePeriod::Annual ? settings.UIFLimit * 12 : settings.UIFLimit;
}

UifAndLevy UifAndSkillsLevy(double uifBase, double levyDeduction, const Settings& settings, PackagePeriod period,
                            WorkingRecorder working) {
    const double ceiling = UifCeiling(settings, period);
    const double capped = uifBase <= ceiling ? uifBase : ceiling;
    UifAndLevy result;
    result.Employee = capped * settings.EmployeeUIF / 100;
    result.Employer = capped * settings.EmployerUIF / 100;
    result.SkillsLevy = (uifBase - levyDeduction) * settings.SkillLevy / 100;
    working.Heading("UIF and skills levy");
    working.Step("Remuneration for UIF and the levy", uifBase);
    working.Step(
        [&] {
            return "UIF limit: " + Rand(settings.UIFLimit) + " a month" +
                   (period == PackagePeriod::Annual ? " × 12" : "");
        },
        ceiling);
    working.Step("UIF base: the remuneration, at most the limit", capped);
    working.Step([&] { return "UIF employee: " + Figure(settings.EmployeeUIF) + "% of the base"; }, result.Employee);
    working.Step([&] { return "UIF employer: " + Figure(settings.EmployerUIF) + "% of the base"; }, result.Employer);
    working.Step(
        [&] {
            return "Skills levy: " + Figure(settings.SkillLevy) + "% of (" + Rand(uifBase) + " − " +
                   Rand(levyDeduction) + ")";
        },
        result.SkillsLevy);
    return result;
}

double PeriodTax(EngineState* engine, double taxableIncome, double rebate, PackagePeriod period,
                 WorkingRecorder working) {
    double annual = period == PackagePeriod::Annual ? taxableIncome : 12 * taxableIncome;
    if (annual < 0) annual = 0;
    const TaxResult normal = engine ? CalcAnnualTax(*engine, annual) : AnnualTaxOn(annual);
    double tax = normal.Tax - rebate;
    if (tax < 0) tax = 0;
    const double periodTax = period == PackagePeriod::Annual ? tax : tax / 12;
    if (period == PackagePeriod::Monthly) working.Step("Annualised: × 12, not below 0", annual);
    working.Explain([&](Working& into) { ExplainAnnualTax(into, "Tax", annual, normal); });
    working.Step([&] { return "Less the rebate of " + Rand(rebate) + ", not below 0"; }, tax);
    if (period == PackagePeriod::Monthly) working.Step("A month's tax: ÷ 12", periodTax);
    return periodTax;
}

void WriteBackContributions(PackageInputs& inputs, const FundContributions& funds, const Settings& settings) {
    if (settings.PensionCont > 0) inputs.FundEmployee = ShownCents(funds.Employee);
    if (settings.EmployerPenCont > 0) inputs.FundEmployer = ShownCents(funds.Employer);
}

void ExplainShownAmounts(Working& working, const PackageResult& result, const PackageShown& shown) {
    working.Heading("Tax deduction");
    working.Result("Tax after the rebate", result.Tax, "MAns");
    working.Result("Tax credits: " + Rand(result.MSFC) + " + " + Rand(result.AMC), shown.TaxCredit, "TaxCredit");
    working.Result("Tax deduction: the tax less the credits, not below 0", shown.TaxDeduct, "TaxDeduct");
    working.Result("UIF contribution employee", result.UIFEE, "UIFCont");
    working.Result("UIF contribution employer", result.UIFER, "CCUIFCont");
    working.Result("Skills levy", result.SDL, "CCSkillLev");
}

PackageShown ShownAmounts(const PackageInputs& inputs, const PackageResult& result, bool stoppedEarly) {
    PackageShown shown;
    const double credits = result.MSFC + result.AMC;
    shown.UIFCont = ShownCents(result.UIFEE);
    shown.CCUIFCont = ShownCents(result.UIFER);
    shown.CCSkillLev = ShownCents(result.SDL);
    shown.MAns = ShownCents(result.Tax);
    shown.TaxCredit = ShownCents(credits);
    shown.TaxDeduct = result.Tax - credits > 0 ? ShownCents(result.Tax - credits) : 0;
    if (!stoppedEarly && inputs.CompanyCar > 0 && inputs.CompanyCarCost == 0) {
        shown.OnceOffNote = true;
        shown.OnceOff = inputs.CompanyCar;
    }
    shown.LimitWarning = ContributionsExceedLimit(result);
    return shown;
}

}  // namespace kelvara

#include "PackageAmounts.h"

#include "MedicalCredits.h"
#include "Rounding.h"

namespace kelvara {

namespace {

constexpr double WithMaintenancePlan = 0.0325;
constexpr double WithoutMaintenancePlan = 0.035;
constexpr double FundLimitShare = 0.275;
constexpr double AnnualFundCap = 350000;
constexpr int MedicalDeductionAge = 65;

double Annualised(double amount, PackagePeriod period) {
    return period == PackagePeriod::Annual ? amount * 12 : amount;
}

}  // namespace

double ShownCents(double amount) { return RoundHalfEven(amount, 2); }

double CompanyCarBenefit(double carValue, const Settings& settings, PackagePeriod period) {
    const double rate = settings.CompCarMPYesNo ? WithMaintenancePlan : WithoutMaintenancePlan;
    return Annualised(carValue * rate * settings.CompCarFBRate8020, period);
}

void ApplyMedicalFieldRules(PackageInputs& state) {
    if (state.Age < MedicalDeductionAge) state.MedicalDeductions = 0;
    if (!HasMedicalContributions(state.MedicalAidCost, state.MedicalAid)) state.Members = 0;
}

PackageCredits PackageMedicalCredits(const PackageInputs& inputs, PackagePeriod period) {
    PackageCredits credits;
    if (!HasMedicalContributions(inputs.MedicalAidCost, inputs.MedicalAid)) return credits;
    credits.MSFC = period == PackagePeriod::Annual ? MedicalCreditForMemberMonths(inputs.Members)
                                                   : MedicalCreditForMembers(inputs.Members);
    credits.AMC = AdditionalMedicalCredit(credits.MSFC, inputs.MedicalAidCost, inputs.MedicalAid, inputs.Age);
    return credits;
}

FundContributions Contributions(double pensionableBase, const PackageInputs& inputs, const Settings& settings) {
    FundContributions funds;
    funds.Employee = settings.PensionCont > 0 ? pensionableBase * settings.PensionCont / 100 : inputs.FundEmployee;
    funds.Employer =
        settings.EmployerPenCont > 0 ? pensionableBase * settings.EmployerPenCont / 100 : inputs.FundEmployer;
    return funds;
}

double FundDeductionLimit(const FundContributions& funds, double remuneration, PackagePeriod period) {
    const double contributions = funds.Employee + funds.Employer;
    const double share = FundLimitShare * remuneration;
    const double limit = share >= contributions ? contributions : share;
    const double cap = period == PackagePeriod::Annual ? AnnualFundCap : AnnualFundCap / 12;
    return limit >= cap ? cap : limit;
}

UifAndLevy UifAndSkillsLevy(double uifBase, double levyDeduction, const Settings& settings, PackagePeriod period) {
    const double ceiling = period == PackagePeriod::Annual ? settings.UIFLimit * 12 : settings.UIFLimit;
    const double capped = uifBase <= ceiling ? uifBase : ceiling;
    UifAndLevy result;
    result.Employee = capped * settings.EmployeeUIF / 100;
    result.Employer = capped * settings.EmployerUIF / 100;
    result.SkillsLevy = (uifBase - levyDeduction) * settings.SkillLevy / 100;
    return result;
}

double PeriodTax(EngineState* engine, double taxableIncome, double rebate, PackagePeriod period) {
    double annual = period == PackagePeriod::Annual ? taxableIncome : 12 * taxableIncome;
    if (annual < 0) annual = 0;
    const double normalTax = engine ? CalcAnnualTax(*engine, annual).Tax : AnnualTaxOn(annual).Tax;
    double tax = normalTax - rebate;
    if (tax < 0) tax = 0;
    return period == PackagePeriod::Annual ? tax : tax / 12;
}

void WriteBackContributions(PackageInputs& inputs, const FundContributions& funds, const Settings& settings) {
    if (settings.PensionCont > 0) inputs.FundEmployee = ShownCents(funds.Employee);
    if (settings.EmployerPenCont > 0) inputs.FundEmployer = ShownCents(funds.Employer);
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

#include "PayPeriodRules.h"

#include "TaxWorking.h"
#include "WorkingRecorder.h"

namespace kelvara::PayPeriodRules {

namespace {

// "Cap for a month: 430 000.00 a year ÷ 12".
std::string ForPeriod(int periods) {
    switch (periods) {
        case 1: return "the year";
        case 12: return "a month";
        case 26: return "a fortnight";
        case 52: return "a week";
        default: return "a day";
    }
}

std::string MemberCreditText(std::int16_t members, CreditPeriod period) {
    const std::string text = "Medical scheme fees tax credit for " + std::to_string(members) +
                             (members == 1 ? " member" : " members") + " (" + MedicalCreditRatesText();
    switch (period) {
        case CreditPeriod::Monthly: return text + ")";
        case CreditPeriod::Fortnightly: return text + "; half of it a fortnight)";
        case CreditPeriod::Weekly: return text + "; a quarter of it a week)";
        case CreditPeriod::Daily: return text + "; twelve months spread over 260 days)";
    }
    return text;
}

}  // namespace

double TaxableTravel(const PayPeriodInputs& in, const Settings& settings) {
    return in.TravelAllowance * settings.TAIncRate8020;
}

double AllowableFundDeduction(const PayPeriodInputs& in, const Settings& settings, int periods,
                              WorkingRecorder working) {
    const RetirementFundFigures& limits = ActiveTaxYear().RetirementFund;
    const double capPerYear = limits.PayPeriodCapPerYear;
    const double share = limits.Share();
    const double cap = periods == 1 ? capPerYear : capPerYear / periods;
    const double fund = in.EmployerFundCont + in.EmployeeFundCont;
    const double base = in.Salary + in.EmployerMedAidCont + in.Commission + in.Bonus + TaxableTravel(in, settings) +
                        in.EmployerFundCont;
    const double deduction = share * base >= fund ? fund : share * base;
    const double allowed = deduction > cap ? cap : deduction;
    const auto percent = [&] { return Figure(limits.PercentOfRemuneration) + "%"; };
    working.Heading("Retirement-fund deduction");
    working.Step("Employer's and employee's fund contributions", fund);
    working.Step(
        "Remuneration: salary, commission, bonus, taxable travel allowance and the employer's "
        "medical-aid and fund contributions",
        base);
    working.Step([&] { return percent() + " of the remuneration"; }, share * base);
    working.Step(
        [&] {
            return "Cap for " + ForPeriod(periods) + ": " + Rand(capPerYear) + " a year" +
                   (periods == 1 ? "" : " ÷ " + std::to_string(periods));
        },
        cap);
    working.Result(
        [&] { return "Allowable R/Fund deduction: the contributions, at most the " + percent() + " and the cap"; },
        allowed, "FundDeduction", WorkingUnit::WholeRand);
    return allowed;
}

double UifLimit(const Settings& settings, int periods) {
    return periods == 12 ? settings.UIFLimit : settings.UIFLimit * 12 / periods;
}

void AddUifAndSkillsLevy(PayPeriodResult& result, const PayPeriodInputs& in, const Settings& settings, int periods,
                         WorkingRecorder working) {
    const double limit = UifLimit(settings, periods);
    // The commission is no part of the UIF base.
    const double base =
        in.Salary + in.EmployerMedAidCont + in.Bonus + TaxableTravel(in, settings) + in.EmployerFundCont;
    const double uifBase = base <= limit ? base : limit;
    result.UIFEmployee = uifBase * settings.EmployeeUIF / 100;
    result.UIFEmployer = uifBase * settings.EmployerUIF / 100;
    const double levyBase = base - result.FundDeduction + in.Commission;
    result.SkillsLevy = levyBase * (settings.SkillLevy / 100);
    working.Heading("UIF and skills levy");
    working.Step(
        "Remuneration for UIF: salary, bonus, taxable travel allowance and the employer's medical-aid "
        "and fund contributions (no commission)",
        base);
    working.Step(
        [&] {
            return "UIF limit for " + ForPeriod(periods) + ": " + Rand(settings.UIFLimit) + " a month" +
                   (periods == 12 ? "" : " × 12 ÷ " + std::to_string(periods));
        },
        limit);
    working.Step("UIF base: the remuneration, at most the limit", uifBase);
    working.Result([&] { return "UIF contribution employee: " + Figure(settings.EmployeeUIF) + "% of the base"; },
                   result.UIFEmployee, "UIFEmployee");
    working.Result([&] { return "UIF contribution employer: " + Figure(settings.EmployerUIF) + "% of the base"; },
                   result.UIFEmployer, "UIFEmployer");
    working.Step("Skills levy base: the remuneration less the R/Fund deduction, plus the commission", levyBase);
    working.Result([&] { return "S.D.L.: " + Figure(settings.SkillLevy) + "% of the levy base"; }, result.SkillsLevy,
                   "SkillsLevy");
}

void AddMedicalCredit(PayPeriodResult& result, const PayPeriodInputs& in, CreditPeriod period,
                      WorkingRecorder working) {
    const bool contributions = HasMedicalContributions(in.EmployerMedAidCont, in.EmployeeMedAidCont);
    if (contributions) result.MedicalCredit = MedicalCreditForPeriod(in.Members, period);
    working.Heading("Medical tax credits");
    working.Result(
        [&] {
            return contributions ? MemberCreditText(in.Members, period)
                                 : "No medical-aid contributions, so no medical scheme fees tax credit";
        },
        result.MedicalCredit, "MedicalCredit");
}

void AddCredits(PayPeriodResult& result, const PayPeriodInputs& in, WorkingRecorder working) {
    result.AdditionalCredit =
        AdditionalMedicalCredit(result.MedicalCredit, in.EmployerMedAidCont, in.EmployeeMedAidCont, in.Age);
    const double afterCredits = result.PeriodTax - (result.MedicalCredit + result.AdditionalCredit);
    result.TaxAfterCredits = afterCredits > 0 ? afterCredits : 0;
    working.Result([&] { return AdditionalCreditText(in.Age); }, result.AdditionalCredit, "AdditionalCredit");
    working.Heading("Total tax deduction");
    working.Step("Tax liability", result.PeriodTax);
    working.Step("Less the two medical credits", -(result.MedicalCredit + result.AdditionalCredit));
    working.Result("Total tax deduction, not below 0", result.TaxAfterCredits, "TaxAfterCredits");
}

void ExplainPeriodIncome(Working& working, const PayPeriodInputs& in, const Settings& settings, double fundDeduction,
                         double total) {
    working.Heading("Taxable income of the period");
    working.Step("Salary", in.Salary);
    working.Step("Commission", in.Commission);
    working.Step(
        "Taxable travel allowance: " + Figure(settings.TAIncRate8020 * 100) + "% of " + Rand(in.TravelAllowance),
        TaxableTravel(in, settings));
    working.Step("Employer's retirement-fund contributions", in.EmployerFundCont);
    working.Step("Employer's medical-aid contributions", in.EmployerMedAidCont);
    working.Step("Less the allowable R/Fund deduction", -fundDeduction);
    working.Step("Income of the period, without the bonus", total);
}

double AnnualTaxLessRebate(EngineState& engine, double income, double rebate, const char* heading,
                           WorkingRecorder working) {
    const TaxResult annual = CalcAnnualTax(engine, income);
    working.Explain([&](Working& into) { ExplainAnnualTax(into, heading, income, annual); });
    working.Step([&] { return "Less the rebate of " + Rand(rebate); }, annual.Tax - rebate);
    return annual.Tax - rebate;
}

double RegularPeriodTax(EngineState& engine, double income, double bonus, double rebate, int periods, double thisDays,
                        double normalDays, WorkingRecorder working) {
    const TaxResult withBonus = CalcAnnualTax(engine, income + bonus);
    working.Explain(
        [&](Working& into) { ExplainAnnualTax(into, "Annual tax with the bonus", income + bonus, withBonus); });
    const TaxResult withoutBonus = CalcAnnualTax(engine, income);
    working.Explain(
        [&](Working& into) { ExplainAnnualTax(into, "Annual tax without the bonus", income, withoutBonus); });
    const double share = (withoutBonus.Tax - rebate) / periods * thisDays / normalDays;
    const double bonusTax = withBonus.Tax - withoutBonus.Tax;
    const double tax = AtLeastZero(share + bonusTax);
    working.Heading("Tax liability of the period");
    working.Step(
        [&] {
            return "Annual tax without the bonus less the rebate: " + Rand(withoutBonus.Tax) + " − " + Rand(rebate);
        },
        withoutBonus.Tax - rebate);
    working.Step(
        [&] {
            return "The period's share: ÷ " + std::to_string(periods) + " × " + Figure(thisDays) + " ÷ " +
                   Figure(normalDays) + " days";
        },
        share);
    working.Step([&] { return "Tax on the bonus: " + Rand(withBonus.Tax) + " − " + Rand(withoutBonus.Tax); }, bonusTax);
    working.Result("Tax liability: the share plus the tax on the bonus, not below 0", tax, "PeriodTax");
    return tax;
}

}  // namespace kelvara::PayPeriodRules

#include "PayPeriodRules.h"

#include "TaxWorking.h"

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

double AllowableFundDeduction(const PayPeriodInputs& in, const Settings& settings, int periods, Working* working) {
    const RetirementFundFigures& limits = ActiveTaxYear().RetirementFund;
    const double capPerYear = limits.PayPeriodCapPerYear;
    const double share = limits.Share();
    const double cap = periods == 1 ? capPerYear : capPerYear / periods;
    const double fund = in.EmployerFundCont + in.EmployeeFundCont;
    const double base = in.Salary + in.EmployerMedAidCont + in.Commission + in.Bonus + TaxableTravel(in, settings) +
                        in.EmployerFundCont;
    const double deduction = share * base >= fund ? fund : share * base;
    const double allowed = deduction > cap ? cap : deduction;
    if (working) {
        working->Heading("Retirement-fund deduction");
        working->Step("Employer's and employee's fund contributions", fund);
        working->Step(
            "Remuneration: salary, commission, bonus, taxable travel allowance and the employer's "
            "medical-aid and fund contributions",
            base);
        const std::string percent = Figure(limits.PercentOfRemuneration) + "%";
        working->Step(percent + " of the remuneration", share * base);
        working->Step("Cap for " + ForPeriod(periods) + ": " + Rand(capPerYear) + " a year" +
                          (periods == 1 ? "" : " ÷ " + std::to_string(periods)),
                      cap);
        working->Result("Allowable R/Fund deduction: the contributions, at most the " + percent + " and the cap",
                        allowed, "FundDeduction", WorkingUnit::WholeRand);
    }
    return allowed;
}

double UifLimit(const Settings& settings, int periods) {
    return periods == 12 ? settings.UIFLimit : settings.UIFLimit * 12 / periods;
}

void AddUifAndSkillsLevy(PayPeriodResult& result, const PayPeriodInputs& in, const Settings& settings, int periods,
                         Working* working) {
    const double limit = UifLimit(settings, periods);
    // The commission is no part of the UIF base.
    const double base =
        in.Salary + in.EmployerMedAidCont + in.Bonus + TaxableTravel(in, settings) + in.EmployerFundCont;
    const double uifBase = base <= limit ? base : limit;
    result.UIFEmployee = uifBase * settings.EmployeeUIF / 100;
    result.UIFEmployer = uifBase * settings.EmployerUIF / 100;
    const double levyBase = base - result.FundDeduction + in.Commission;
    result.SkillsLevy = levyBase * (settings.SkillLevy / 100);
    if (working) {
        working->Heading("UIF and skills levy");
        working->Step(
            "Remuneration for UIF: salary, bonus, taxable travel allowance and the employer's medical-aid "
            "and fund contributions (no commission)",
            base);
        working->Step("UIF limit for " + ForPeriod(periods) + ": " + Rand(settings.UIFLimit) + " a month" +
                          (periods == 12 ? "" : " × 12 ÷ " + std::to_string(periods)),
                      limit);
        working->Step("UIF base: the remuneration, at most the limit", uifBase);
        working->Result("UIF contribution employee: " + Figure(settings.EmployeeUIF) + "% of the base",
                        result.UIFEmployee, "UIFEmployee");
        working->Result("UIF contribution employer: " + Figure(settings.EmployerUIF) + "% of the base",
                        result.UIFEmployer, "UIFEmployer");
        working->Step("Skills levy base: the remuneration less the R/Fund deduction, plus the commission", levyBase);
        working->Result("S.D.L.: " + Figure(settings.SkillLevy) + "% of the levy base", result.SkillsLevy,
                        "SkillsLevy");
    }
}

void AddMedicalCredit(PayPeriodResult& result, const PayPeriodInputs& in, CreditPeriod period, Working* working) {
    const bool contributions = HasMedicalContributions(in.EmployerMedAidCont, in.EmployeeMedAidCont);
    if (contributions) result.MedicalCredit = MedicalCreditForPeriod(in.Members, period);
    if (working) {
        working->Heading("Medical tax credits");
        working->Result(contributions ? MemberCreditText(in.Members, period)
                                      : "No medical-aid contributions, so no medical scheme fees tax credit",
                        result.MedicalCredit, "MedicalCredit");
    }
}

void AddCredits(PayPeriodResult& result, const PayPeriodInputs& in, Working* working) {
    result.AdditionalCredit =
        AdditionalMedicalCredit(result.MedicalCredit, in.EmployerMedAidCont, in.EmployeeMedAidCont, in.Age);
    const double afterCredits = result.PeriodTax - (result.MedicalCredit + result.AdditionalCredit);
    result.TaxAfterCredits = afterCredits > 0 ? afterCredits : 0;
    if (working) {
        working->Result(AdditionalCreditText(in.Age), result.AdditionalCredit, "AdditionalCredit");
        working->Heading("Total tax deduction");
        working->Step("Tax liability", result.PeriodTax);
        working->Step("Less the two medical credits", -(result.MedicalCredit + result.AdditionalCredit));
        working->Result("Total tax deduction, not below 0", result.TaxAfterCredits, "TaxAfterCredits");
    }
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

double AnnualTaxLessRebate(EngineState& engine, double income, double rebate, const char* heading, Working* working) {
    const TaxResult annual = CalcAnnualTax(engine, income);
    if (working) {
        ExplainAnnualTax(*working, heading, income, annual);
        working->Step("Less the rebate of " + Rand(rebate), annual.Tax - rebate);
    }
    return annual.Tax - rebate;
}

double RegularPeriodTax(EngineState& engine, double income, double bonus, double rebate, int periods, double thisDays,
                        double normalDays, Working* working) {
    const TaxResult withBonus = CalcAnnualTax(engine, income + bonus);
    if (working) ExplainAnnualTax(*working, "Annual tax with the bonus", income + bonus, withBonus);
    const TaxResult withoutBonus = CalcAnnualTax(engine, income);
    if (working) ExplainAnnualTax(*working, "Annual tax without the bonus", income, withoutBonus);
    const double share = (withoutBonus.Tax - rebate) / periods * thisDays / normalDays;
    const double bonusTax = withBonus.Tax - withoutBonus.Tax;
    const double tax = AtLeastZero(share + bonusTax);
    if (working) {
        working->Heading("Tax liability of the period");
        working->Step("Annual tax without the bonus less the rebate: " + Rand(withoutBonus.Tax) + " − " + Rand(rebate),
                      withoutBonus.Tax - rebate);
        working->Step("The period's share: ÷ " + std::to_string(periods) + " × " + Figure(thisDays) + " ÷ " +
                          Figure(normalDays) + " days",
                      share);
        working->Step("Tax on the bonus: " + Rand(withBonus.Tax) + " − " + Rand(withoutBonus.Tax), bonusTax);
        working->Result("Tax liability: the share plus the tax on the bonus, not below 0", tax, "PeriodTax");
    }
    return tax;
}

}  // namespace kelvara::PayPeriodRules

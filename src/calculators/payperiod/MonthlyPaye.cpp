#include "MedicalCredits.h"
#include "PayPeriod.h"
#include "PayPeriodRules.h"
#include "PeriodDates.h"
#include "TaxWorking.h"

namespace kelvara {

using namespace PayPeriodRules;

namespace {

constexpr int MonthsInYear = 12;

std::optional<PayPeriodOutcome> CheckDates(const CivilDate& start, const CivilDate& end) {
    if (start.Month != end.Month) {
        return PayPeriodOutcome{
            Refusal{PeriodDates::IncorrectDateTitle, "The Start and End dates entered must be for the same Month"},
            {},
            RefusalFocus::EndDate};
    }
    if (start.Day > end.Day) {
        return PayPeriodOutcome{
            Refusal{PeriodDates::IncorrectDateTitle, "The Start date entered must be before the End date"},
            {},
            RefusalFocus::StartDate};
    }
    return std::nullopt;
}

}  // namespace

PayPeriodOutcome CalculateMonthly(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                  Working* account) {
    const WorkingRecorder working(account);
    const CivilDate start = FromDayNumber(in.StartDate);
    if (auto refused = CheckDates(start, FromDayNumber(in.EndDate))) return *refused;

    PayPeriodResult r;
    const double monthDays = DaysInMonth(start.Year, start.Month);
    const double rebate = RebateForAge(in.Age);
    const double periodDays = static_cast<double>(in.EndDate - in.StartDate + 1);
    working.Heading([&] { return "Monthly PAYE for " + FormatDate(in.StartDate) + " to " + FormatDate(in.EndDate); });
    working.Step("Days in the period", periodDays, WorkingUnit::Count);
    working.Step("Days in the month", monthDays, WorkingUnit::Count);
    working.Explain([&](Working& into) { ExplainRebate(into, in.Age, rebate); });
    r.FundDeduction = AllowableFundDeduction(in, settings, MonthsInYear, working);
    r.TaxableTravel = TaxableTravel(in, settings);

    const double monthly =
        in.EmployerFundCont + in.EmployerMedAidCont + (r.TaxableTravel + in.Salary + in.Commission - r.FundDeduction);
    // A part month is raised to a full month before it is annualised; the bonus is not.
    const double fullMonth = monthly * (monthDays / periodDays);
    const double income = fullMonth * MonthsInYear;
    working.Explain([&](Working& into) { ExplainPeriodIncome(into, in, settings, r.FundDeduction, monthly); });
    working.Step([&] { return "Raised to a full month: × " + Figure(monthDays) + " ÷ " + Figure(periodDays); },
                 fullMonth);
    working.Step("Annualised: × 12", income);

    // Each annual tax is raised to 0 before the difference is taken, so a
    // salary below the threshold never lowers the tax on the bonus.
    const double withBonus =
        AtLeastZero(AnnualTaxLessRebate(engine, income + in.Bonus, rebate, "Annual tax with the bonus", working));
    working.Step("Annual tax with the bonus, not below 0", withBonus);
    const double withoutBonus =
        AtLeastZero(AnnualTaxLessRebate(engine, income, rebate, "Annual tax without the bonus", working));
    working.Step("Annual tax without the bonus, not below 0", withoutBonus);
    const double bonusTax = withBonus - withoutBonus;
    const double share = (withoutBonus / MonthsInYear) * periodDays / monthDays;
    r.PeriodTax = AtLeastZero(bonusTax + share);
    working.Heading("Tax liability of the period");
    working.Step([&] { return "Tax on the bonus: " + Rand(withBonus) + " − " + Rand(withoutBonus); }, bonusTax);
    working.Step(
        [&] {
            return "The period's share: " + Rand(withoutBonus) + " ÷ 12 × " + Figure(periodDays) + " ÷ " +
                   Figure(monthDays) + " days";
        },
        share);
    working.Result("Tax liability: the tax on the bonus plus the share, not below 0", r.PeriodTax, "PeriodTax");

    AddUifAndSkillsLevy(r, in, settings, MonthsInYear, working);
    AddMedicalCredit(r, in, CreditPeriod::Monthly, working);
    AddCredits(r, in, working);
    return {std::nullopt, r};
}

}  // namespace kelvara

#include "MedicalCredits.h"
#include "PayPeriod.h"
#include "PayPeriodRules.h"
#include "PeriodDates.h"

namespace kelvara {

using namespace PayPeriodRules;

namespace {

constexpr int MonthsInYear = 12;

std::optional<PayPeriodRefusal> CheckDates(const CivilDate& start, const CivilDate& end) {
    if (start.Month != end.Month) {
        return PayPeriodRefusal{PeriodDates::IncorrectDateTitle,
                                "The Start and End dates entered must be for the same Month", RefusalFocus::EndDate};
    }
    if (start.Day > end.Day) {
        return PayPeriodRefusal{PeriodDates::IncorrectDateTitle, "The Start date entered must be before the End date",
                                RefusalFocus::StartDate};
    }
    return std::nullopt;
}

}  // namespace

PayPeriodOutcome CalculateMonthly(EngineState& engine, const PayPeriodInputs& in, const Settings& settings) {
    const CivilDate start = FromDayNumber(in.StartDate);
    if (auto refusal = CheckDates(start, FromDayNumber(in.EndDate))) return {std::move(refusal), {}};

    PayPeriodResult r;
    if (HasMedicalContributions(in.EmployerMedAidCont, in.EmployeeMedAidCont)) {
        r.MedicalCredit = MedicalCreditForPeriod(in.Members, CreditPeriod::Monthly);
    }

    const double monthDays = DaysInMonth(start.Year, start.Month);
    const double rebate = RebateForAge(in.Age);
    r.FundDeduction = AllowableFundDeduction(in, settings, FundDeductionCapPerYear / MonthsInYear);
    const double periodDays = static_cast<double>(in.EndDate - in.StartDate + 1);
    r.TaxableTravel = TaxableTravel(in, settings);

    const double monthly =
        in.EmployerFundCont + in.EmployerMedAidCont + (r.TaxableTravel + in.Salary + in.Commission - r.FundDeduction);
    // A part month is raised to a full month before it is annualised; the bonus is not.
    const double income = monthly * (monthDays / periodDays) * MonthsInYear;

    // Each annual tax is raised to 0 before the difference is taken, so a
    // salary below the threshold never lowers the tax on the bonus.
    const double withBonus = AtLeastZero(CalcAnnualTax(engine, income + in.Bonus).Tax - rebate);
    const double withoutBonus = AtLeastZero(CalcAnnualTax(engine, income).Tax - rebate);
    r.PeriodTax =
        AtLeastZero((withBonus - withoutBonus) + (withoutBonus / MonthsInYear) * periodDays / monthDays);

    AddUifAndSkillsLevy(r, in, settings, UifLimit(settings, MonthsInYear));
    AddCredits(r, in);
    return {std::nullopt, r};
}

}  // namespace kelvara

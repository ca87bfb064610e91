#include "MedicalCredits.h"
#include "PayPeriod.h"
#include "PayPeriodRules.h"
#include "PeriodDates.h"
#include "Rounding.h"
#include "TaxWorking.h"

namespace kelvara {

using namespace PayPeriodRules;

namespace {

constexpr double DaysInTaxYear = 365;
constexpr std::array<const char*, 12> MonthNames{"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

// The credit of the months in the period, taken in tax-year order; the
// counts of the other months are cleared.
double MedicalCreditOfPeriod(const PayPeriodInputs& in, MonthCounts& counts, WorkingRecorder working) {
    double credit = 0;
    for (int month : TaxYearMonths) {
        std::int16_t& count = counts[month - 1];
        if (MonthInPeriod(month, in.StartDate, in.EndDate)) {
            const double monthCredit = MedicalCreditForMembers(count);
            credit += monthCredit;
            working.Detail(
                [&] {
                    return std::string(MonthNames[month - 1]) + ": " + std::to_string(count) +
                           (count == 1 ? " member" : " members");
                },
                monthCredit);
        } else {
            count = 0;
        }
    }
    return credit;
}

}  // namespace

PayPeriodOutcome CalculateAnnual(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                 Working* account) {
    const WorkingRecorder working(account);
    // The end-date field cannot precede the start date; a period given
    // otherwise is refused as that field refuses it.
    if (in.EndDate < in.StartDate) {
        return {Refusal{PeriodDates::IncorrectDateTitle, PeriodDates::EndDateMessage(FormatDate(in.StartDate))},
                {},
                RefusalFocus::EndDate};
    }
    PayPeriodResult r;
    r.MonthMembers = in.MonthMembers;
    const double rebate = RebateForAge(in.Age);
    const double days = static_cast<double>(in.EndDate - in.StartDate + 1);
    working.Heading([&] { return "Annual PAYE for " + FormatDate(in.StartDate) + " to " + FormatDate(in.EndDate); });
    working.Step("Days in the period", days, WorkingUnit::Count);
    working.Explain([&](Working& into) { ExplainRebate(into, in.Age, rebate); });
    // The cap is a year's, even for a shorter period.
    r.FundDeduction = AllowableFundDeduction(in, settings, 1, working);

    double income = in.Salary + in.Commission + TaxableTravel(in, settings) - r.FundDeduction + in.EmployerMedAidCont +
                    in.EmployerFundCont;
    working.Explain([&](Working& into) { ExplainPeriodIncome(into, in, settings, r.FundDeduction, income); });
    const bool shortPeriod = days < DaysInTaxYear;
    if (shortPeriod) {
        income = income * DaysInTaxYear / days;  // the bonus is not annualised
        working.Step([&] { return "Annualised: × 365 ÷ " + Figure(days) + " days"; }, income);
    }

    double withBonus = AnnualTaxLessRebate(engine, income + in.Bonus, rebate, "Annual tax with the bonus", working);
    double withoutBonus = AnnualTaxLessRebate(engine, income, rebate, "Annual tax without the bonus", working);
    working.Heading("Tax liability of the period");
    if (in.TravelAllowance + in.Commission > 0) {
        withBonus = IntPart(withBonus);
        withoutBonus = IntPart(withoutBonus);
        working.Note("With a travel allowance or commission, both annual taxes are taken in whole rand");
    }
    withBonus = AtLeastZero(withBonus);
    withoutBonus = AtLeastZero(withoutBonus);

    // The tax on the bonus falls wholly in the period.
    const double bonusTax = withBonus - withoutBonus;
    const double share = shortPeriod ? days * withoutBonus / DaysInTaxYear : withoutBonus;
    r.PeriodTax = AtLeastZero(share + bonusTax);
    working.Step("Annual tax with the bonus, not below 0", withBonus);
    working.Step("Annual tax without the bonus, not below 0", withoutBonus);
    working.Step([&] { return "Tax on the bonus: " + Rand(withBonus) + " − " + Rand(withoutBonus); }, bonusTax);
    working.Step(
        [&] {
            return shortPeriod ? "The period's share: " + Rand(withoutBonus) + " × " + Figure(days) + " ÷ 365 days"
                               : "The period is the whole year";
        },
        share);
    working.Result("Tax liability: the share plus the tax on the bonus, not below 0", r.PeriodTax, "PeriodTax");
    working.Heading("Medical tax credits");
    if (HasMedicalContributions(in.EmployerMedAidCont, in.EmployeeMedAidCont)) {
        r.MedicalCredit = MedicalCreditOfPeriod(in, r.MonthMembers, working);
    }
    working.Result(
        [&] {
            return HasMedicalContributions(in.EmployerMedAidCont, in.EmployeeMedAidCont)
                       ? "Medical scheme fees tax credit of the months of the period (" + MedicalCreditRatesText() + ")"
                       : "No medical-aid contributions, so no medical scheme fees tax credit";
        },
        r.MedicalCredit, "MedicalCredit");

    AddCredits(r, in, working);
    return {std::nullopt, r};
}

}  // namespace kelvara

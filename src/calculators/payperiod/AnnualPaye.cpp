#include "MedicalCredits.h"
#include "PayPeriod.h"
#include "PayPeriodRules.h"
#include "PeriodDates.h"
#include "Rounding.h"

namespace kelvara {

using namespace PayPeriodRules;

namespace {

constexpr double DaysInTaxYear = 365;

// The credit of the months in the period, taken in tax-year order; the
// counts of the other months are cleared.
double MedicalCreditOfPeriod(const PayPeriodInputs& in, MonthCounts& counts) {
    double credit = 0;
    for (int month : TaxYearMonths) {
        std::int16_t& count = counts[month - 1];
        if (MonthInPeriod(month, in.StartDate, in.EndDate)) {
            credit += MedicalCreditForMembers(count);
        } else {
            count = 0;
        }
    }
    return credit;
}

}  // namespace

PayPeriodOutcome CalculateAnnual(EngineState& engine, const PayPeriodInputs& in, const Settings& settings) {
    // The end-date field cannot precede the start date; a period given
    // otherwise is refused as that field refuses it.
    if (in.EndDate < in.StartDate) {
        return {PayPeriodRefusal{PeriodDates::IncorrectDateTitle, PeriodDates::EndDateMessage(FormatDate(in.StartDate)),
                                 RefusalFocus::EndDate},
                {}};
    }
    PayPeriodResult r;
    r.MonthMembers = in.MonthMembers;
    if (HasMedicalContributions(in.EmployerMedAidCont, in.EmployeeMedAidCont)) {
        r.MedicalCredit = MedicalCreditOfPeriod(in, r.MonthMembers);
    }

    const double rebate = RebateForAge(in.Age);
    const double days = static_cast<double>(in.EndDate - in.StartDate + 1);
    // The cap is a year's, even for a shorter period.
    r.FundDeduction = AllowableFundDeduction(in, settings, FundDeductionCapPerYear);

    double income = in.Salary + in.Commission + TaxableTravel(in, settings) - r.FundDeduction + in.EmployerMedAidCont +
                    in.EmployerFundCont;
    const bool shortPeriod = days < DaysInTaxYear;
    if (shortPeriod) income = income * DaysInTaxYear / days;  // the bonus is not annualised

    double withBonus = CalcAnnualTax(engine, income + in.Bonus).Tax - rebate;
    double withoutBonus = CalcAnnualTax(engine, income).Tax - rebate;
    if (in.TravelAllowance + in.Commission > 0) {
        withBonus = IntPart(withBonus);
        withoutBonus = IntPart(withoutBonus);
    }
    withBonus = AtLeastZero(withBonus);
    withoutBonus = AtLeastZero(withoutBonus);

    // The tax on the bonus falls wholly in the period.
    const double bonusTax = withBonus - withoutBonus;
    r.PeriodTax = AtLeastZero(shortPeriod ? days * withoutBonus / DaysInTaxYear + bonusTax : withoutBonus + bonusTax);

    AddCredits(r, in);
    return {std::nullopt, r};
}

}  // namespace kelvara

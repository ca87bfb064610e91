#include "PayPeriod.h"
#include "PayPeriodRules.h"
#include "ShortPeriodDesign.h"
#include "TaxWorking.h"

namespace kelvara {

using namespace PayPeriodRules;

namespace {

std::optional<Refusal> CheckDays(const ShortPeriodDesign& design, const PayPeriodInputs& in) {
    if (in.ThisDays > in.NormalDays) {
        return Refusal{IncorrectDaysTitle, design.DayCountMessage};
    }
    // A period without days worked cannot be raised to a normal one.
    if (in.ThisDays <= 0) {
        return Refusal{IncorrectDaysTitle, design.NoDaysMessage};
    }
    return std::nullopt;
}

PayPeriodOutcome CalculateShortPeriod(const ShortPeriodDesign& design, EngineState& engine, const PayPeriodInputs& in,
                                      const Settings& settings, WorkingRecorder working) {
    if (auto refusal = CheckDays(design, in)) return {std::move(refusal), {}, RefusalFocus::CalculateButton};

    PayPeriodResult r;
    const double rebate = RebateForAge(in.Age);
    working.Heading([&] { return std::string(design.Name) + " PAYE"; });
    working.Step([&] { return std::string("Days worked this ") + design.PeriodWord; }, in.ThisDays, WorkingUnit::Count);
    working.Step([&] { return std::string("Days of a normal ") + design.PeriodWord; }, in.NormalDays,
                 WorkingUnit::Count);
    working.Explain([&](Working& into) { ExplainRebate(into, in.Age, rebate); });
    r.FundDeduction = AllowableFundDeduction(in, settings, design.Periods, working);
    const double period = in.EmployerFundCont + in.EmployerMedAidCont +
                          (TaxableTravel(in, settings) + in.Salary + in.Commission - r.FundDeduction);
    // A short period is raised to a normal one and annualised; the bonus is not.
    const double income = period * (in.NormalDays / in.ThisDays * design.Periods);
    working.Explain([&](Working& into) { ExplainPeriodIncome(into, in, settings, r.FundDeduction, period); });
    working.Step(
        [&] {
            return "Raised to a normal " + std::string(design.PeriodWord) + " and annualised: × " +
                   Figure(in.NormalDays) + " ÷ " + Figure(in.ThisDays) + " × " + std::to_string(design.Periods);
        },
        income);
    r.PeriodTax =
        RegularPeriodTax(engine, income, in.Bonus, rebate, design.Periods, in.ThisDays, in.NormalDays, working);

    AddUifAndSkillsLevy(r, in, settings, design.Periods, working);
    AddMedicalCredit(r, in, design.Credit, working);
    AddCredits(r, in, working);
    return {std::nullopt, r};
}

}  // namespace

PayPeriodOutcome CalculateFortnightly(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                      Working* working) {
    return CalculateShortPeriod(FortnightlyDesign, engine, in, settings, working);
}

PayPeriodOutcome CalculateWeekly(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                 Working* working) {
    return CalculateShortPeriod(WeeklyDesign, engine, in, settings, working);
}

}  // namespace kelvara

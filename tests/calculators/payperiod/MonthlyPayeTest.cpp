#include <gtest/gtest.h>

#include "PayeTestSupport.h"
#include "Rounding.h"

namespace kelvara::testing {
namespace {

constexpr auto Monthly = PayPeriodKind::Monthly;

TEST(MonthlyPaye, TaxOfThePeriod) {
    const struct {
        const char* Name;
        Typed Typing;
        double PeriodTax;
    } cases[] = {
        {"whole March", {.Salary = 25000}, 3381},
        {"part month raised to a full month", {.Salary = 25000, .End = "15/03/2026"}, 5649.4758},
        {"bonus", {.Salary = 25000, .Bonus = 10000}, 5981},
        {"February", {.Salary = 20000, .Start = "01/02/2027", .End = "28/02/2027"}, 2115},
        {"taxable travel", {.Salary = 20000, .Travel = 5000}, 3121},
        // Each annual tax is raised to 0 first: the bonus keeps its whole tax.
        {"below threshold with bonus", {.Salary = 5000, .Bonus = 50000}, AnnualTaxOn(110000).Tax - 17820},
        {"one day",
         {.Salary = 25000, .Start = "10/03/2026", .End = "10/03/2026"},
         (AnnualTaxOn(25000.0 * 31 * 12).Tax - 17820) / 12 / 31},
    };
    for (const auto& c : cases) {
        const PayPeriodResult r = CalculateOk(Monthly, Inputs(Monthly, c.Typing));
        EXPECT_NEAR(r.PeriodTax, c.PeriodTax, 1e-4) << c.Name;
        EXPECT_NEAR(r.TaxAfterCredits, c.PeriodTax, 1e-4) << c.Name;
    }
}

TEST(MonthlyPaye, TheSpecimenPartMonthToTheCent) {
    EngineState engine;
    const PayPeriodOutcome outcome =
        CalculateMonthly(engine, Inputs(Monthly, {.Salary = 25000, .End = "15/03/2026"}), DeliveredPayeSettings());
    EXPECT_EQ(RoundHalfEven(outcome.Result.TaxAfterCredits, 2), 5649.48);
    EXPECT_NEAR(engine.TaxableIncome, 620000, 1e-6);
}

TEST(MonthlyPaye, DatesOutsideOneMonthOrReversedAreRefused) {
    const char* twoMonths = "The Start and End dates entered must be for the same Month";
    const struct {
        const char *Start, *End, *Message;
        RefusalFocus Focus;
    } cases[] = {
        {"01/03/2026", "01/04/2026", twoMonths, RefusalFocus::EndDate},
        {"15/03/2026", "10/03/2026", "The Start date entered must be before the End date", RefusalFocus::StartDate},
        {"01/04/2026", "31/03/2026", twoMonths, RefusalFocus::EndDate},
    };
    for (const auto& c : cases) {
        EngineState engine;
        engine.TaxableIncome = 123;
        const PayPeriodOutcome outcome =
            CalculateMonthly(engine, Inputs(Monthly, {.Start = c.Start, .End = c.End}), DeliveredPayeSettings());
        ASSERT_TRUE(outcome.Refusal) << c.Start;
        EXPECT_EQ(outcome.Refusal->Title, "Incorrect Date");
        EXPECT_EQ(outcome.Refusal->Text, c.Message);
        EXPECT_EQ(outcome.Focus, c.Focus);
        EXPECT_EQ(engine.TaxableIncome, 123) << "a refused calculation leaves the engine alone";
    }
}

TEST(MonthlyPaye, UifUpToTheLimitAndLevyOnEverything) {
    const struct {
        double Salary, Commission, UifEmployee, Levy;
    } cases[] = {
        {25000, 0, 177.12, 250},
        {15000, 0, 150, 150},
        {25000, 1000, 177.12, 260},  // the commission is in the levy, not in UIF
    };
    for (const auto& c : cases) {
        const PayPeriodResult r =
            CalculateOk(Monthly, Inputs(Monthly, {.Salary = c.Salary, .Commission = c.Commission}));
        EXPECT_NEAR(r.UIFEmployee, c.UifEmployee, 1e-9) << c.Salary;
        EXPECT_NEAR(r.UIFEmployer, c.UifEmployee, 1e-9) << c.Salary;
        EXPECT_NEAR(r.SkillsLevy, c.Levy, 1e-9) << c.Salary;
    }
}

TEST(MonthlyPaye, InclusionRateReachesDeductionAndIncome) {
    const PayPeriodInputs in = Inputs(Monthly, {.Salary = 20000, .Travel = 10000, .EmployeeFund = 10000});
    Settings settings = DeliveredPayeSettings();
    for (const auto& [rate, travel] : {std::pair{0.8, 8000.0}, {0.2, 2000.0}}) {
        settings.TAIncRate8020 = rate;
        const PayPeriodResult r = CalculateOk(Monthly, in, settings);
        EXPECT_DOUBLE_EQ(r.TaxableTravel, travel);
        const double deduction = 0.275 * (20000 + travel);
        EXPECT_DOUBLE_EQ(r.FundDeduction, deduction);
        EXPECT_NEAR(r.PeriodTax, (AnnualTaxOn((20000 + travel - deduction) * 12).Tax - 17820) / 12, 1e-6);
    }
}

TEST(MonthlyPaye, CreditsFromTheMemberCount) {
    PayPeriodInputs in = Inputs(Monthly, {.Salary = 40000, .EmployeeMedAid = 3000, .Members = 2});
    in.Age = 65;
    const PayPeriodResult r = CalculateOk(Monthly, in);
    EXPECT_DOUBLE_EQ(r.MedicalCredit, 752);
    EXPECT_NEAR(r.AdditionalCredit, 247.752, 1e-9);
    EXPECT_NEAR(r.TaxAfterCredits, r.PeriodTax - 752 - 247.752, 1e-9);
}

TEST(MonthlyPaye, FundDeductionCappedAtATwelfth) {
    const PayPeriodInputs in = Inputs(Monthly, {.Salary = 500000, .EmployerFund = 100000});
    EXPECT_NEAR(CalculateOk(Monthly, in).FundDeduction, 430000.0 / 12, 1e-9);
}

}  // namespace
}  // namespace kelvara::testing

#include <gtest/gtest.h>

#include "AnnualMonths.h"
#include "PayeTestSupport.h"

namespace kelvara::testing {
namespace {

constexpr auto Annual = PayPeriodKind::Annual;

TEST(AnnualPaye, TaxOfThePeriod) {
    const struct {
        const char* Name;
        Typed Typing;
        double PeriodTax, FundDeduction;
    } cases[] = {
        {"salary only", {.Salary = 300000}, 40572, 0},
        {"commission truncates to whole rand", {.Salary = 300000, .Commission = 1}, 40572, 0},
        {"bonus taxed in full", {.Salary = 300000, .Bonus = 20000}, 45772, 0},
        {"half year annualised", {.Salary = 150000, .End = "31/08/2026"}, 20132.1863, 0},
        {"employee fund above 27.5%", {.Salary = 300000, .EmployeeFund = 100000}, 21330, 82500},
        {"deduction capped at 430000",
         {.Salary = 2000000, .EmployerFund = 500000},
         AnnualTaxOn(2070000).Tax - 17820,
         430000},
        {"one day multiplied by 365",
         {.Salary = 1000, .Start = "15/07/2026", .End = "15/07/2026"},
         (AnnualTaxOn(365000).Tax - 17820) / 365,
         0},
        {"below the threshold", {.Salary = 90000}, 0, 0},
    };
    for (const auto& c : cases) {
        const PayPeriodResult r = CalculateOk(Annual, Inputs(Annual, c.Typing));
        EXPECT_NEAR(r.PeriodTax, c.PeriodTax, 1e-4) << c.Name;
        EXPECT_NEAR(r.TaxAfterCredits, c.PeriodTax, 1e-4) << c.Name;
        EXPECT_DOUBLE_EQ(r.FundDeduction, c.FundDeduction) << c.Name;
        EXPECT_EQ(r.UIFEmployee + r.UIFEmployer + r.SkillsLevy, 0) << c.Name;
    }
}

TEST(AnnualPaye, EngineKeepsTheIncomeWithoutTheBonus) {
    EngineState engine;
    CalculateAnnual(engine, Inputs(Annual, {.Salary = 150000, .Bonus = 50000, .End = "31/08/2026"}),
                    DeliveredPayeSettings());
    EXPECT_NEAR(engine.TaxableIncome, 297554.347826, 1e-5);
}

TEST(AnnualPaye, CreditsForEveryMonthOfTheYear) {
    PayPeriodInputs in = Inputs(Annual, {.Salary = 400000, .EmployeeMedAid = 36000});
    in.MonthMembers.fill(2);
    for (const auto& [age, additional] : {std::pair<std::int16_t, double>{70, 2973.024}, {64, 0}}) {
        in.Age = age;
        const PayPeriodResult r = CalculateOk(Annual, in);
        EXPECT_DOUBLE_EQ(r.MedicalCredit, 9024);
        EXPECT_NEAR(r.AdditionalCredit, additional, 1e-9) << age;
        EXPECT_NEAR(r.TaxAfterCredits, r.PeriodTax - 9024 - additional, 1e-9);
    }
}

TEST(AnnualPaye, MonthsOutsideThePeriodAreClearedWhenCredited) {
    const struct {
        const char *Start, *End;
        MonthCounts Kept;  // tax-year order, March first
    } cases[] = {
        {"01/06/2026", "31/12/2026", {0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 0, 0}},
        {"01/02/2027", "28/02/2027", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}},
        {"01/03/2026", "31/03/2026", {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"15/11/2026", "10/01/2027", {0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 0}},
    };
    for (const auto& c : cases) {
        PayPeriodInputs in = Inputs(Annual, {.Start = c.Start, .End = c.End});
        in.EmployerMedAidCont = 1000;
        in.MonthMembers.fill(3);
        const PayPeriodResult r = CalculateOk(Annual, in);
        EXPECT_EQ(ToTaxYearOrder(r.MonthMembers), c.Kept) << c.Start;
        int months = 0;
        for (std::int16_t kept : c.Kept) months += kept != 0;
        EXPECT_DOUBLE_EQ(r.MedicalCredit, months * 1006.0) << c.Start;
    }
}

TEST(AnnualPaye, WithoutContributionsNoCreditAndNoMonthChanges) {
    PayPeriodInputs in = Inputs(Annual, {.Start = "01/06/2026"});
    in.MonthMembers.fill(2);
    const PayPeriodResult r = CalculateOk(Annual, in);
    EXPECT_EQ(r.MedicalCredit, 0);
    EXPECT_EQ(r.MonthMembers, in.MonthMembers);
}

TEST(AnnualPaye, TaxAfterCreditsIsNeverNegative) {
    PayPeriodInputs in = Inputs(Annual, {.Salary = 100000, .EmployeeMedAid = 10000});
    in.MonthMembers.fill(5);
    const PayPeriodResult r = CalculateOk(Annual, in);
    EXPECT_GT(r.MedicalCredit, r.PeriodTax);
    EXPECT_EQ(r.TaxAfterCredits, 0);
}

TEST(AnnualPaye, EndBeforeStartIsRefusedAsTheEndFieldRefusesIt) {
    EngineState engine;
    const PayPeriodOutcome outcome =
        CalculateAnnual(engine, Inputs(Annual, {.Start = "01/06/2026", .End = "31/05/2026"}), DeliveredPayeSettings());
    ASSERT_TRUE(outcome.Refusal);
    EXPECT_EQ(outcome.Refusal->Title, "Incorrect Date");
    EXPECT_EQ(outcome.Refusal->Text,
              "The date entered is not correct please enter a date between 01/06/2026 and 28/02/2027");
    EXPECT_EQ(outcome.Focus, RefusalFocus::EndDate);
}

TEST(AnnualMonths, MonthRuleInTaxYearOrder) {
    const DayNumber mar = Day("01/03/2026"), jun = Day("10/06/2026"), dec = Day("31/12/2026"), jan = Day("05/01/2027"),
                    feb = Day("28/02/2027");
    EXPECT_TRUE(MonthInPeriod(3, mar, feb));
    EXPECT_FALSE(MonthInPeriod(3, jun, feb));
    EXPECT_TRUE(MonthInPeriod(12, jun, jan));
    EXPECT_FALSE(MonthInPeriod(1, jun, dec));
    EXPECT_TRUE(MonthInPeriod(1, jun, feb));
    EXPECT_FALSE(MonthInPeriod(1, feb, feb));
    EXPECT_TRUE(MonthInPeriod(2, feb, feb));
    EXPECT_FALSE(MonthInPeriod(5, jun, feb));
}

TEST(AnnualMonths, DuplicateMarchCapsFirstThenCopiesMarch) {
    MonthCounts counts{};
    counts[3 - 1] = 3;
    counts[7 - 1] = 30;
    counts[1 - 1] = 99;
    EXPECT_EQ(DuplicateMarch(counts), 2);
    for (std::int16_t c : counts) EXPECT_EQ(c, 3);

    counts.fill(0);
    counts[3 - 1] = 25;
    EXPECT_EQ(DuplicateMarch(counts), 1);
    for (std::int16_t c : counts) EXPECT_EQ(c, 24);
}

TEST(AnnualMonths, TaxYearOrderRoundTrips) {
    MonthCounts calendar{};
    for (int i = 0; i < 12; ++i) calendar[i] = static_cast<std::int16_t>(i + 1);
    const MonthCounts ordered = ToTaxYearOrder(calendar);
    EXPECT_EQ(ordered.front(), 3);
    EXPECT_EQ(ordered.back(), 2);
    EXPECT_EQ(FromTaxYearOrder(ordered), calendar);
}

}  // namespace
}  // namespace kelvara::testing

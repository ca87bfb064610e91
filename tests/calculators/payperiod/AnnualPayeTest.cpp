#include <gtest/gtest.h>

#include <functional>

#include "AnnualMonths.h"
#include "PayeTestSupport.h"

namespace kelvara::testing {
namespace {

constexpr auto Annual = PayPeriodKind::Annual;

struct AnnualCase {
    const char* Name;
    std::function<void(PayPeriodInputs&)> Set;
    double PeriodTax;
    double FundDeduction;
};

TEST(AnnualPaye, TaxOfThePeriod) {
    const AnnualCase cases[] = {
        {"salary only", [](auto& in) { in.Salary = 300000; }, 40572, 0},
        {"commission truncates to whole rand",
         [](auto& in) {
             in.Salary = 300000;
             in.Commission = 1;
         },
         40572, 0},
        {"bonus taxed in full",
         [](auto& in) {
             in.Salary = 300000;
             in.Bonus = 20000;
         },
         45772, 0},
        {"half year annualised",
         [](auto& in) {
             in.Salary = 150000;
             in.EndDate = Day("31/08/2026");
         },
         20132.1863, 0},
        {"employee fund above 27.5%",
         [](auto& in) {
             in.Salary = 300000;
             in.EmployeeFundCont = 100000;
         },
         21330, 82500},
        {"deduction capped at 430000",
         [](auto& in) {
             in.Salary = 2000000;
             in.EmployerFundCont = 500000;
         },
         AnnualTaxOn(2070000).Tax - 17820, 430000},
        {"one day multiplied by 365",
         [](auto& in) {
             in.Salary = 1000;
             in.StartDate = in.EndDate = Day("15/07/2026");
         },
         (AnnualTaxOn(365000).Tax - 17820) / 365, 0},
        {"below the threshold", [](auto& in) { in.Salary = 90000; }, 0, 0},
    };
    for (const AnnualCase& c : cases) {
        PayPeriodInputs in = Inputs(Annual);
        c.Set(in);
        const PayPeriodResult r = CalculateOk(Annual, in);
        EXPECT_NEAR(r.PeriodTax, c.PeriodTax, 1e-4) << c.Name;
        EXPECT_NEAR(r.TaxAfterCredits, c.PeriodTax, 1e-4) << c.Name;
        EXPECT_DOUBLE_EQ(r.FundDeduction, c.FundDeduction) << c.Name;
        EXPECT_EQ(r.UIFEmployee + r.UIFEmployer + r.SkillsLevy, 0) << c.Name;
    }
}

TEST(AnnualPaye, EngineKeepsTheIncomeWithoutTheBonus) {
    PayPeriodInputs in = Inputs(Annual);
    in.Salary = 150000;
    in.Bonus = 50000;
    in.EndDate = Day("31/08/2026");
    EngineState engine;
    CalculateAnnual(engine, in, DeliveredPayeSettings());
    EXPECT_NEAR(engine.TaxableIncome, 297554.347826, 1e-5);
}

TEST(AnnualPaye, CreditsForEveryMonthOfTheYear) {
    PayPeriodInputs in = Inputs(Annual);
    in.Salary = 400000;
    in.EmployeeMedAidCont = 36000;
    in.MonthMembers.fill(2);
    const struct {
        std::int16_t Age;
        double Additional;
    } ages[] = {{70, 2973.024}, {64, 0}};
    for (const auto& a : ages) {
        in.Age = a.Age;
        const PayPeriodResult r = CalculateOk(Annual, in);
        EXPECT_DOUBLE_EQ(r.MedicalCredit, 9024);
        EXPECT_NEAR(r.AdditionalCredit, a.Additional, 1e-9) << a.Age;
        EXPECT_NEAR(r.TaxAfterCredits, r.PeriodTax - 9024 - a.Additional, 1e-9);
    }
}

TEST(AnnualPaye, MonthsOutsideThePeriodAreClearedWhenCredited) {
    const struct {
        const char* Start;
        const char* End;
        MonthCounts Kept;  // tax-year order, March first
    } cases[] = {
        {"01/06/2026", "31/12/2026", {0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 0, 0}},
        {"01/02/2027", "28/02/2027", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}},
        {"01/03/2026", "31/03/2026", {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"15/11/2026", "10/01/2027", {0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 0}},
    };
    for (const auto& c : cases) {
        PayPeriodInputs in = Inputs(Annual);
        in.StartDate = Day(c.Start);
        in.EndDate = Day(c.End);
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
    PayPeriodInputs in = Inputs(Annual);
    in.StartDate = Day("01/06/2026");
    in.MonthMembers.fill(2);
    const PayPeriodResult r = CalculateOk(Annual, in);
    EXPECT_EQ(r.MedicalCredit, 0);
    EXPECT_EQ(r.MonthMembers, in.MonthMembers);
}

TEST(AnnualPaye, TaxAfterCreditsIsNeverNegative) {
    PayPeriodInputs in = Inputs(Annual);
    in.Salary = 100000;
    in.EmployeeMedAidCont = 10000;
    in.MonthMembers.fill(5);
    const PayPeriodResult r = CalculateOk(Annual, in);
    EXPECT_GT(r.MedicalCredit, r.PeriodTax);
    EXPECT_EQ(r.TaxAfterCredits, 0);
}

TEST(AnnualPaye, EndBeforeStartIsRefusedAsTheEndFieldRefusesIt) {
    PayPeriodInputs in = Inputs(Annual);
    in.StartDate = Day("01/06/2026");
    in.EndDate = Day("31/05/2026");
    EngineState engine;
    const PayPeriodOutcome outcome = CalculateAnnual(engine, in, DeliveredPayeSettings());
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

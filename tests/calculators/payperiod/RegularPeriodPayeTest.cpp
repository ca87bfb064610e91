#include <gtest/gtest.h>

#include <cmath>

#include "PayeTestSupport.h"
#include "ShortPeriodDesign.h"

namespace kelvara::testing {
namespace {

using K = PayPeriodKind;

TEST(RegularPeriodPaye, TaxOfThePeriod) {
    const struct {
        const char* Name;
        K Kind;
        Typed Typing;
        double PeriodTax;
    } cases[] = {
        {"weekly full week", K::Weekly, {.Salary = 6000}, 840.2307},
        {"weekly short week raised to normal", K::Weekly, {.Salary = 6000, .NormalDays = 5, .ThisDays = 3}, 1207.1192},
        {"weekly bonus", K::Weekly, {.Salary = 6000, .Bonus = 10000}, 3440.2307},
        // Below the threshold the negative share lowers the tax on the bonus.
        {"weekly below threshold with bonus", K::Weekly, {.Salary = 1000, .Bonus = 5000}, 737.3076},
        {"weekly below threshold", K::Weekly, {.Salary = 1000}, 0},
        {"fortnightly full", K::Fortnightly, {.Salary = 12000}, 1680.4615},
        {"daily", K::Daily, {.Salary = 1200}, 168.0461},
        {"daily bonus", K::Daily, {.Salary = 1200, .Bonus = 2000}, 688.0461},
        {"daily below threshold with bonus", K::Daily, {.Salary = 200, .Bonus = 3000}, 507.4615},
        {"daily below threshold", K::Daily, {.Salary = 200}, 0},
    };
    for (const auto& c : cases) {
        const PayPeriodResult r = CalculateOk(c.Kind, Inputs(c.Kind, c.Typing));
        EXPECT_NEAR(r.PeriodTax, c.PeriodTax, 1e-4) << c.Name;
        EXPECT_NEAR(r.TaxAfterCredits, c.PeriodTax, 1e-4) << c.Name;
    }
}

TEST(RegularPeriodPaye, UifLimitAndFundCapFollowThePeriod) {
    const struct {
        K Kind;
        double UifLimit, FundCap, MemberCredit;  // three members
    } cases[] = {
        {K::Weekly, 17712.0 * 12 / 52, 430000.0 / 52, 251.5},
        {K::Fortnightly, 17712.0 * 12 / 26, 430000.0 / 26, 503},
        {K::Daily, 17712.0 * 12 / 260, 430000.0 / 260, 1006.0 * 12 / 260},
    };
    for (const auto& c : cases) {
        const PayPeriodResult r = CalculateOk(
            c.Kind, Inputs(c.Kind, {.Salary = 1000000, .EmployerFund = 500000, .EmployeeMedAid = 100, .Members = 3}));
        EXPECT_DOUBLE_EQ(r.UIFEmployee, c.UifLimit / 100);
        EXPECT_DOUBLE_EQ(r.FundDeduction, c.FundCap);
        EXPECT_DOUBLE_EQ(r.MedicalCredit, c.MemberCredit);
    }
    EXPECT_NEAR(CalculateOk(K::Weekly, Inputs(K::Weekly, {.Salary = 6000})).UIFEmployee, 40.8738, 1e-4);
}

TEST(RegularPeriodPaye, DailyCreditForManyMembersDoesNotOverflow) {
    const struct {
        std::int16_t Members;
        double Credit;
    } cases[] = {{1, 17.3538}, {2, 34.7076}, {13, (752 + 11 * 254) * 12 / 260.0}, {99, (752 + 97 * 254) * 12 / 260.0}};
    for (const auto& c : cases) {
        const PayPeriodInputs in = Inputs(K::Daily, {.EmployeeMedAid = 20, .Members = c.Members});
        EXPECT_NEAR(CalculateOk(K::Daily, in).MedicalCredit, c.Credit, 1e-4) << c.Members;
    }
}

TEST(RegularPeriodPaye, DayCountsAreCheckedBeforeAnythingElse) {
    const struct {
        K Kind;
        double Normal, This;
        const char* Message;
    } cases[] = {
        {K::Weekly, 5, 6, WeeklyDesign.DayCountMessage},
        {K::Fortnightly, 10, 14, FortnightlyDesign.DayCountMessage},
        {K::Weekly, 5, 0, WeeklyDesign.NoDaysMessage},
        {K::Weekly, 0, 0, WeeklyDesign.NoDaysMessage},
        {K::Fortnightly, 14, 0, FortnightlyDesign.NoDaysMessage},
    };
    for (const auto& c : cases) {
        PayPeriodInputs in = Inputs(c.Kind, {.Salary = 5000});
        in.NormalDays = c.Normal;
        in.ThisDays = c.This;
        EngineState engine;
        const PayPeriodOutcome outcome = Calculate(c.Kind, engine, in, DeliveredPayeSettings());
        ASSERT_TRUE(outcome.Refusal) << c.Normal << "/" << c.This;
        EXPECT_EQ(outcome.Refusal->Title, "Incorrect Number of Days");
        EXPECT_STREQ(outcome.Refusal->Text.c_str(), c.Message);
        EXPECT_EQ(outcome.Focus, RefusalFocus::CalculateButton);
        EXPECT_EQ(engine.TaxableIncome, 0);
    }
    EXPECT_EQ(std::string(WeeklyDesign.DayCountMessage),
              "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.");
}

TEST(RegularPeriodPaye, EveryResultIsFiniteAtTheFieldLimits) {
    for (K kind : {K::Weekly, K::Fortnightly, K::Daily}) {
        PayPeriodInputs in = Inputs(kind);
        in.Salary = in.Commission = in.Bonus = in.TravelAllowance = 9999999.99;
        in.EmployerMedAidCont = in.EmployeeMedAidCont = 9999999.99;
        in.EmployerFundCont = in.EmployeeFundCont = 99999999;
        in.Members = 99;
        in.Age = 999;
        in.ThisDays = 1;
        const PayPeriodResult r = CalculateOk(kind, in);
        for (double v : {r.PeriodTax, r.TaxAfterCredits, r.MedicalCredit, r.AdditionalCredit, r.UIFEmployee,
                         r.SkillsLevy, r.FundDeduction}) {
            EXPECT_TRUE(std::isfinite(v));
            EXPECT_GE(v, 0);
        }
    }
}

}  // namespace
}  // namespace kelvara::testing

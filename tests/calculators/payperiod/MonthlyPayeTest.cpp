#include <gtest/gtest.h>

#include <functional>

#include "PayeTestSupport.h"
#include "Rounding.h"

namespace kelvara::testing {
namespace {

constexpr auto Monthly = PayPeriodKind::Monthly;

struct MonthlyCase {
    const char* Name;
    std::function<void(PayPeriodInputs&)> Set;
    double PeriodTax;
};

TEST(MonthlyPaye, TaxOfThePeriod) {
    const MonthlyCase cases[] = {
        {"whole March", [](auto& in) { in.Salary = 25000; }, 3381},
        {"part month raised to a full month",
         [](auto& in) {
             in.Salary = 25000;
             in.EndDate = Day("15/03/2026");
         },
         5649.4758},
        {"bonus",
         [](auto& in) {
             in.Salary = 25000;
             in.Bonus = 10000;
         },
         5981},
        {"February",
         [](auto& in) {
             in.Salary = 20000;
             in.StartDate = Day("01/02/2027");
             in.EndDate = Day("28/02/2027");
         },
         2115},
        {"taxable travel",
         [](auto& in) {
             in.Salary = 20000;
             in.TravelAllowance = 5000;
         },
         3121},
        // Each annual tax is raised to 0 first: the bonus keeps its whole tax.
        {"below threshold with bonus",
         [](auto& in) {
             in.Salary = 5000;
             in.Bonus = 50000;
         },
         AnnualTaxOn(110000).Tax - 17820},
        {"one day",
         [](auto& in) {
             in.Salary = 25000;
             in.StartDate = in.EndDate = Day("10/03/2026");
         },
         (AnnualTaxOn(25000.0 * 31 * 12).Tax - 17820) / 12 / 31},
    };
    for (const MonthlyCase& c : cases) {
        PayPeriodInputs in = Inputs(Monthly);
        c.Set(in);
        const PayPeriodResult r = CalculateOk(Monthly, in);
        EXPECT_NEAR(r.PeriodTax, c.PeriodTax, 1e-4) << c.Name;
        EXPECT_NEAR(r.TaxAfterCredits, c.PeriodTax, 1e-4) << c.Name;
    }
}

TEST(MonthlyPaye, TheSpecimenPartMonthToTheCent) {
    PayPeriodInputs in = Inputs(Monthly);
    in.Salary = 25000;
    in.EndDate = Day("15/03/2026");
    EngineState engine;
    const PayPeriodOutcome outcome = CalculateMonthly(engine, in, DeliveredPayeSettings());
    EXPECT_EQ(RoundHalfEven(outcome.Result.TaxAfterCredits, 2), 5649.48);
    EXPECT_NEAR(engine.TaxableIncome, 620000, 1e-6);
}

TEST(MonthlyPaye, DatesOutsideOneMonthOrReversedAreRefused) {
    const struct {
        const char* Start;
        const char* End;
        const char* Message;
        RefusalFocus Focus;
    } cases[] = {
        {"01/03/2026", "01/04/2026", "The Start and End dates entered must be for the same Month",
         RefusalFocus::EndDate},
        {"15/03/2026", "10/03/2026", "The Start date entered must be before the End date", RefusalFocus::StartDate},
        {"01/04/2026", "31/03/2026", "The Start and End dates entered must be for the same Month",
         RefusalFocus::EndDate},
    };
    for (const auto& c : cases) {
        PayPeriodInputs in = Inputs(Monthly);
        in.StartDate = Day(c.Start);
        in.EndDate = Day(c.End);
        EngineState engine;
        engine.TaxableIncome = 123;
        const PayPeriodOutcome outcome = CalculateMonthly(engine, in, DeliveredPayeSettings());
        ASSERT_TRUE(outcome.Refusal) << c.Start;
        EXPECT_EQ(outcome.Refusal->Title, "Incorrect Date");
        EXPECT_EQ(outcome.Refusal->Text, c.Message);
        EXPECT_EQ(outcome.Focus, c.Focus);
        EXPECT_EQ(engine.TaxableIncome, 123) << "a refused calculation leaves the engine alone";
    }
}

TEST(MonthlyPaye, UifUpToTheLimitAndLevyOnEverything) {
    const struct {
        double Salary;
        double Commission;
        double UifEmployee;
        double Levy;
    } cases[] = {
        {25000, 0, 177.12, 250},
        {15000, 0, 150, 150},
        {25000, 1000, 177.12, 260},  // the commission is in the levy, not in UIF
    };
    for (const auto& c : cases) {
        PayPeriodInputs in = Inputs(Monthly);
        in.Salary = c.Salary;
        in.Commission = c.Commission;
        const PayPeriodResult r = CalculateOk(Monthly, in);
        EXPECT_NEAR(r.UIFEmployee, c.UifEmployee, 1e-9) << c.Salary;
        EXPECT_NEAR(r.UIFEmployer, c.UifEmployee, 1e-9) << c.Salary;
        EXPECT_NEAR(r.SkillsLevy, c.Levy, 1e-9) << c.Salary;
    }
}

TEST(MonthlyPaye, InclusionRateReachesDeductionAndIncome) {
    PayPeriodInputs in = Inputs(Monthly);
    in.Salary = 20000;
    in.TravelAllowance = 10000;
    in.EmployeeFundCont = 10000;
    Settings settings = DeliveredPayeSettings();
    const struct {
        double Rate;
        double Travel;
    } rates[] = {{0.8, 8000}, {0.2, 2000}};
    for (const auto& rate : rates) {
        settings.TAIncRate8020 = rate.Rate;
        const PayPeriodResult r = CalculateOk(Monthly, in, settings);
        EXPECT_DOUBLE_EQ(r.TaxableTravel, rate.Travel);
        const double deduction = 0.275 * (20000 + rate.Travel);
        EXPECT_DOUBLE_EQ(r.FundDeduction, deduction);
        EXPECT_NEAR(r.PeriodTax, (AnnualTaxOn((20000 + rate.Travel - deduction) * 12).Tax - 17820) / 12, 1e-6);
    }
}

TEST(MonthlyPaye, CreditsFromTheMemberCount) {
    PayPeriodInputs in = Inputs(Monthly);
    in.Salary = 40000;
    in.Members = 2;
    in.EmployeeMedAidCont = 3000;
    in.Age = 65;
    const PayPeriodResult r = CalculateOk(Monthly, in);
    EXPECT_DOUBLE_EQ(r.MedicalCredit, 752);
    EXPECT_NEAR(r.AdditionalCredit, 247.752, 1e-9);
    EXPECT_NEAR(r.TaxAfterCredits, r.PeriodTax - 752 - 247.752, 1e-9);
}

TEST(MonthlyPaye, FundDeductionCappedAtATwelfth) {
    PayPeriodInputs in = Inputs(Monthly);
    in.Salary = 500000;
    in.EmployerFundCont = 100000;
    EXPECT_NEAR(CalculateOk(Monthly, in).FundDeduction, 430000.0 / 12, 1e-9);
}

}  // namespace
}  // namespace kelvara::testing

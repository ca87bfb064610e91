#include <gtest/gtest.h>

#include "NumberFormat.h"
#include "PayeTestSupport.h"
#include "RandomPayPeriod.h"
#include "Rounding.h"

namespace kelvara::testing {
namespace {

using K = PayPeriodKind;

// The figures each window shows, by key, with the decimals the window shows;
// the annual window shows no UIF or levy.
struct ShownFigure {
    const char* Key;
    double PayPeriodResult::*Field;
    int Decimals;
    bool NotAnnual = false;
};
constexpr ShownFigure Figures[] = {
    {"FundDeduction", &PayPeriodResult::FundDeduction, 0},
    {"PeriodTax", &PayPeriodResult::PeriodTax, 2},
    {"MedicalCredit", &PayPeriodResult::MedicalCredit, 2},
    {"AdditionalCredit", &PayPeriodResult::AdditionalCredit, 2},
    {"TaxAfterCredits", &PayPeriodResult::TaxAfterCredits, 2},
    {"UIFEmployee", &PayPeriodResult::UIFEmployee, 2, true},
    {"UIFEmployer", &PayPeriodResult::UIFEmployer, 2, true},
    {"SkillsLevy", &PayPeriodResult::SkillsLevy, 2, true},
};

// Every figure the window shows stands in the account, as the window shows it.
void ExpectAccountShowsResult(K kind, const Working& working, const PayPeriodResult& r) {
    for (const ShownFigure& figure : Figures) {
        if (figure.NotAnnual && kind == K::Annual) continue;
        SCOPED_TRACE(figure.Key);
        const WorkingLine* line = working.Find(figure.Key);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->Amount, r.*figure.Field);
        EXPECT_EQ(AmountText(*line), FormatNumber(RoundHalfEven(r.*figure.Field, figure.Decimals), figure.Decimals));
    }
}

TEST(PayPeriodWorking, MonthlyExampleCanBeFollowedToTheTax) {
    EngineState engine;
    Working working;
    const PayPeriodOutcome outcome =
        CalculateMonthly(engine, Inputs(K::Monthly, {.Salary = 25000, .Start = "01/03/2026", .End = "15/03/2026"}),
                         DeliveredPayeSettings(), &working);
    ASSERT_FALSE(outcome.Refusal);
    const std::string text = WorkingText(working);
    for (const char* step : {"Days in the period", "Days in the month", "Income of the period, without the bonus",
                             "Raised to a full month: × 31 ÷ 15", "Annualised: × 12", "Tax table: above 530 200",
                             "Tax on the first 530 200", "36% of the 89 800.00 above 530 200",
                             "Less the rebate of 17 820.00", "The period's share: 140 107.00 ÷ 12 × 15 ÷ 31 days"}) {
        EXPECT_NE(text.find(step), std::string::npos) << step << "\n" << text;
    }
    EXPECT_EQ(AmountText(*working.Find("PeriodTax")), "5 649.48");
    EXPECT_EQ(AmountText(*working.Find("TaxAfterCredits")), "5 649.48");
}

// Recording the account changes nothing: the same result, the same engine
// state, and every shown figure in the account.
TEST(PayPeriodWorking, AccountAgreesWithTheResultOnManyInputs) {
    RandomInputs random(2027);
    for (K kind : {K::Annual, K::Monthly, K::Fortnightly, K::Weekly, K::Daily}) {
        for (int i = 0; i < 400; ++i) {
            random.NextCase();
            const PayPeriodInputs in = RandomInputsFor(random, kind);
            SCOPED_TRACE(random.Trace());

            EngineState plainEngine;
            EngineState explainedEngine;
            Working working;
            const PayPeriodOutcome plain = Calculate(kind, plainEngine, in, DeliveredPayeSettings());
            const PayPeriodOutcome explained = Calculate(kind, explainedEngine, in, DeliveredPayeSettings(), &working);
            EXPECT_EQ(explained.Refusal.has_value(), plain.Refusal.has_value());
            if (plain.Refusal) {
                EXPECT_TRUE(working.Empty());
                continue;
            }
            EXPECT_EQ(explained.Result.PeriodTax, plain.Result.PeriodTax);
            EXPECT_EQ(explained.Result.TaxAfterCredits, plain.Result.TaxAfterCredits);
            EXPECT_EQ(explainedEngine.TaxableIncome, plainEngine.TaxableIncome);
            ExpectAccountShowsResult(kind, working, explained.Result);
        }
    }
}

TEST(PayPeriodWorking, RefusedCalculationRecordsNothing) {
    PayPeriodInputs in = DefaultInputs(K::Weekly);
    in.ThisDays = 0;
    EngineState engine;
    Working working;
    EXPECT_TRUE(CalculateWeekly(engine, in, DeliveredPayeSettings(), &working).Refusal);
    EXPECT_TRUE(working.Empty());
}

}  // namespace
}  // namespace kelvara::testing

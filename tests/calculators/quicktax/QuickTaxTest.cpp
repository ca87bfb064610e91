#include <gtest/gtest.h>

#include "QuickTax.h"

namespace kelvara {
namespace {

struct QuickTaxCase {
    double Income;
    std::int16_t Age;
    double BaseTax, MarginalRate, Portion, TotalTax, Rebate, Commitment, AverageBefore, AverageAfter;
};

QuickTaxState Calculated(EngineState& engine, double income, std::int16_t age) {
    engine.TaxableIncome = income;
    QuickTaxState qt{.QtAge = age};
    QuickTaxCalculate(engine, qt);
    return qt;
}

class QuickTaxExamples : public ::testing::TestWithParam<QuickTaxCase> {};

TEST_P(QuickTaxExamples, ShowTheTaxRebatesAndAverageRates) {
    const QuickTaxCase c = GetParam();
    EngineState engine;
    const QuickTaxState qt = Calculated(engine, c.Income, c.Age);
    EXPECT_EQ(std::tuple(qt.QtReportIncome, engine.Last.BaseTax, engine.Last.MarginalRate, qt.QtRebate),
              std::tuple(c.Income, c.BaseTax, c.MarginalRate, c.Rebate));
    EXPECT_NEAR(engine.Last.Portion, c.Portion, 1e-9);
    EXPECT_NEAR(qt.QtTotalTax, c.TotalTax, 1e-9);
    EXPECT_NEAR(qt.QtTaxCommitment, c.Commitment, 1e-9);
    EXPECT_NEAR(qt.QtAverageRate, c.AverageBefore, 1e-4);
    EXPECT_NEAR(qt.QtAverageRateAfter, c.AverageAfter, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, QuickTaxExamples,
    ::testing::Values(QuickTaxCase{0, 0, 0, 18, 0, 0, 17820, 0, 18, 0},
                      QuickTaxCase{500000, 40, 79998, 31, 36239, 116237, 17820, 98417, 23.2474, 19.6834},
                      QuickTaxCase{1000000, 75, 259783, 41, 46330, 306113, 30834, 275279, 30.6113, 27.5279},
                      QuickTaxCase{150000, 65, 0, 18, 27000, 27000, 27585, 0, 18, 0},
                      QuickTaxCase{99000, 40, 0, 18, 17820, 17820, 17820, 0, 18, 0}));

TEST(QuickTax, RebateFollowsTheAge) {
    const std::pair<std::int16_t, double> cases[] = {{64, 17820}, {65, 27585}, {74, 27585}, {75, 30834}};
    for (auto [age, rebate] : cases) {
        EngineState engine;
        EXPECT_EQ(Calculated(engine, 0, age).QtRebate, rebate) << age;
    }
}

TEST(QuickTax, MonthlyCommitmentIsATwelfthUnrounded) {
    EngineState engine;
    EXPECT_DOUBLE_EQ(MonthlyTaxCommitment(Calculated(engine, 500000, 40)), 98417.0 / 12);
}

}  // namespace
}  // namespace kelvara

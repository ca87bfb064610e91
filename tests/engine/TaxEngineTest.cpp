#include <gtest/gtest.h>

#include "TaxEngine.h"

namespace kelvara {
namespace {

struct TaxCase {
    double Income, Tax, BaseTax, Portion, MarginalRate;
};

class AnnualTax : public ::testing::TestWithParam<TaxCase> {};

TEST_P(AnnualTax, SelectsTheRowAndAddsItsPortion) {
    const TaxCase c = GetParam();
    const TaxResult r = AnnualTaxOn(c.Income);
    EXPECT_DOUBLE_EQ(r.Tax, c.Tax);
    EXPECT_DOUBLE_EQ(r.BaseTax, c.BaseTax);
    EXPECT_NEAR(r.Portion, c.Portion, 1e-9);
    EXPECT_EQ(r.MarginalRate, c.MarginalRate);
}

INSTANTIATE_TEST_SUITE_P(
    Brackets, AnnualTax,
    ::testing::Values(TaxCase{0, 0, 0, 0, 18}, TaxCase{-1000, -180, 0, -180, 18},
                      TaxCase{245100, 44118, 0, 44118, 18},  // a bound belongs to the row below
                      TaxCase{245100.01, 44118.0026, 44118, 0.0026, 26}, TaxCase{245101, 44118.26, 44118, 0.26, 26},
                      TaxCase{383100, 79998, 44118, 35880, 26}, TaxCase{500000, 116237, 79998, 36239, 31},
                      TaxCase{530200, 125599, 79998, 45601, 31}, TaxCase{695800, 185215, 125599, 59616, 36},
                      TaxCase{887000, 259783, 185215, 74568, 39}, TaxCase{1878600, 666339, 259783, 406556, 41},
                      TaxCase{2000000, 720969, 666339, 54630, 45},
                      TaxCase{99000, 17820, 0, 17820, 18},  // exactly the primary rebate
                      TaxCase{153250, 27585, 0, 27585, 18}, TaxCase{171300, 30834, 0, 30834, 18}));

TEST(AnnualTax, IsContinuousAtEveryBound) {
    for (double bound : {245100.0, 383100.0, 530200.0, 695800.0, 887000.0, 1878600.0}) {
        EXPECT_NEAR(AnnualTaxOn(bound).Tax, AnnualTaxOn(bound + 0.01).Tax, 0.01) << bound;
    }
}

TEST(AnnualTax, ReportsTheBracketBounds) {
    const TaxResult r = AnnualTaxOn(2000000);
    EXPECT_EQ(std::tuple(r.BracketLower, r.BracketUpper), std::tuple(1878600, 9999999999));
}

TEST(CalcAnnualTax, RemembersTheLastIncomeAndResult) {
    EngineState state;
    CalcAnnualTax(state, 500000);
    CalcAnnualTax(state, 100000);
    EXPECT_EQ(std::tuple(state.TaxableIncome, state.Last.Tax), std::tuple(100000, 18000));
}

TEST(InitEngineState, ClearsTaxAndRateButKeepsTheIncome) {
    EngineState state;
    CalcAnnualTax(state, 500000);
    InitEngineState(state);
    EXPECT_EQ(std::tuple(state.Last.Tax, state.Last.MarginalRate, state.TaxableIncome, state.Last.BaseTax),
              std::tuple(0, 0, 500000, 79998));
}

TEST(RebateForAge, StepsAt65And75) {
    const std::pair<std::int16_t, double> cases[] = {{-5, 17820}, {0, 17820},  {64, 17820},   {65, 27585},
                                                     {74, 27585}, {75, 30834}, {32767, 30834}};
    for (auto [age, rebate] : cases) EXPECT_EQ(RebateForAge(age), rebate) << age;
}

}  // namespace
}  // namespace kelvara

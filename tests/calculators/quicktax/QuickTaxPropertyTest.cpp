#include <gtest/gtest.h>

#include "QuickTax.h"
#include "RandomInputs.h"

namespace kelvara::testing {
namespace {

// Every income and age the window's fields accept gives figures it can show.
TEST(QuickTaxProperty, EveryAcceptedInputShowsFigures) {
    RandomInputs random(4101);
    for (int i = 0; i < 10000; ++i) {
        random.NextCase();
        EngineState engine;
        engine.TaxableIncome = random.Field("income", 0, 99999999, 0);
        QuickTaxState qt{.QtAge = static_cast<std::int16_t>(random.Field("age", 0, 99, 0))};
        SCOPED_TRACE(random.Trace());

        QuickTaxCalculate(engine, qt);

        ExpectShown({{"base tax", engine.Last.BaseTax, 0},
                     {"marginal rate", engine.Last.MarginalRate, 0},
                     {"portion", engine.Last.Portion, 0},
                     {"total tax", qt.QtTotalTax, 0},
                     {"rebate", qt.QtRebate, 0},
                     {"commitment", qt.QtTaxCommitment, 0},
                     {"average rate", qt.QtAverageRate, 1},
                     {"average rate after", qt.QtAverageRateAfter, 1},
                     {"monthly commitment", MonthlyTaxCommitment(qt)}});
        EXPECT_GE(qt.QtTaxCommitment, 0);
        EXPECT_GE(qt.QtAverageRateAfter, 0);
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace kelvara::testing

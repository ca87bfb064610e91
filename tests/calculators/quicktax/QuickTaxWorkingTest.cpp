#include <gtest/gtest.h>

#include "NumberFormat.h"
#include "QuickTax.h"

namespace kelvara::testing {
namespace {

// The QuickTax window shows its amounts in whole rand and its average rates
// with one decimal; the account shows them alike.
TEST(QuickTaxWorking, AccountShowsTheWindowsFigures) {
    for (double income : {0.0, 95000.0, 245100.0, 620000.0, 1878601.0, 99999999.0}) {
        for (std::int16_t age : {0, 64, 65, 75, 99}) {
            SCOPED_TRACE(::testing::Message() << income << " at " << age);
            EngineState engine;
            engine.TaxableIncome = income;
            QuickTaxState qt{.QtAge = age};
            Working working;
            QuickTaxCalculate(engine, qt, &working);
            const std::pair<const char*, std::string> shown[] = {
                {"TaxableIncome", FormatNumber(income, 0)},
                {"QtAge", std::to_string(age)},
                {"BaseTax", FormatNumber(engine.Last.BaseTax, 0)},
                {"MarginalRate", FormatNumber(engine.Last.MarginalRate, 0) + "%"},
                {"Portion", FormatNumber(engine.Last.Portion, 0)},
                {"NormalTax", FormatNumber(qt.QtTotalTax, 0)},
                {"Rebate", FormatNumber(qt.QtRebate, 0)},
                {"QtTaxCommitment", FormatNumber(qt.QtTaxCommitment, 0)},
                {"QtAverageRate", FormatNumber(qt.QtAverageRate, 1) + "%"},
                {"QtAverageRateAfter", FormatNumber(qt.QtAverageRateAfter, 1) + "%"},
            };
            for (const auto& [key, text] : shown) {
                const WorkingLine* line = working.Find(key);
                ASSERT_NE(line, nullptr) << key;
                EXPECT_EQ(AmountText(*line), text) << key;
            }
        }
    }
}

}  // namespace
}  // namespace kelvara::testing

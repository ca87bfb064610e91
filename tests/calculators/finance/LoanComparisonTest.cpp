#include <gtest/gtest.h>

#include <cmath>

#include "FinanceTest.h"
#include "LoanComparison.h"

namespace kelvara {
namespace {

TEST(Compare, SixPeriodsOfOneBond) {
    const LoanComparison rows = Compare({500000, 10.5f});
    struct Expected {
        const char* Label;
        double Repayment, Interest;
    };
    const Expected expected[] = {
        {"5 yrs.", 10746.95, 144817.01}, {"10 yrs.", 6746.75, 309609.98}, {"15 yrs.", 5526.99, 494859.03},
        {"20 yrs.", 4991.90, 698055.86}, {"25 yrs.", 4720.91, 916272.56}, {"30 yrs.", 4573.70, 1146530.73},
    };
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].Months, 60 * static_cast<int>(k + 1));
        EXPECT_EQ(rows[k].Label, expected[k].Label);
        EXPECT_EQ(Cents(rows[k].Repayment), expected[k].Repayment) << k;
        EXPECT_EQ(Cents(rows[k].TotalInterest), expected[k].Interest) << k;
        EXPECT_EQ(rows[k].TotalPaid, rows[k].TotalInterest + 500000) << k;
    }
    EXPECT_EQ(Cents(rows[0].TotalPaid), 644817.01);
    EXPECT_EQ(Cents(rows[5].TotalPaid), 1646530.73);
}

TEST(Compare, MissingInputsGiveZeroRepayments) {
    for (const LoanComparisonRow& row : Compare({500000, 0})) {
        EXPECT_EQ(row.Repayment, 0);
        EXPECT_EQ(row.TotalPaid, 0);
        EXPECT_EQ(row.TotalInterest, -500000);
    }
    for (const LoanComparisonRow& row : Compare({0, 10.5f})) EXPECT_EQ(row.TotalInterest, 0);
}

TEST(Compare, TheRateIsHeldInSinglePrecision) {
    const double i = 10.100000381469727 / 12 / 100;
    EXPECT_DOUBLE_EQ(BCPayCalc({100000, 10.1f}, 60), i * 100000 / (1 - std::pow(1 + i, -60)));
}

TEST(BondCompRecord, NamesTheSixPeriods) {
    const LoanCompState comp{500000, 10.5f};
    const FieldValues record = BondCompRecord(comp, Compare(comp));
    ASSERT_EQ(record.size(), 20u);
    EXPECT_EQ(record[0].first, "PAmt");
    EXPECT_EQ(record[2].first, "MonRep1");
    EXPECT_EQ(record[3].first, "IntPaid1");
    EXPECT_EQ(record[19].first, "Total6");
    EXPECT_EQ(Cents(std::get<double>(record[19].second)), 1646530.73);
    EXPECT_FALSE(CanPrintComparison({500000, 0}));
    EXPECT_TRUE(CanPrintComparison(comp));
}

}  // namespace
}  // namespace kelvara

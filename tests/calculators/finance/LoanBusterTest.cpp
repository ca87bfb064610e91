#include <gtest/gtest.h>

#include <cmath>

#include "FinanceTest.h"
#include "LoanBuster.h"

namespace kelvara {
namespace {

LoanBusterResult Calc(LoanBusterState& buster, std::int16_t period) {
    LoanBusterResult r;
    BBCalc(buster, period, r);
    return r;
}

TEST(BBCalc, AnExtraPaymentShortensTheLoan) {
    LoanBusterState buster{500000, 10.5f, 1000};
    LoanBusterResult r = Calc(buster, 240);
    EXPECT_EQ(r.NewPeriod, 150);
    EXPECT_EQ((std::vector{Cents(r.Repayment), Cents(r.TotalInterest), Cents(r.TotalRepayments), Cents(r.NewRepayment),
                           Cents(buster.ExtraPayment), Cents(r.NewTotalInterest), Cents(r.NewTotalRepayments),
                           Cents(r.TotalSaving)}),
              (std::vector{4991.90, 698055.86, 1198055.86, 5998.80, 1006.90, 399819.92, 899819.92, 298235.95}));
}

TEST(BBCalc, WithoutAnExtraPaymentTheColumnRepeatsTheNormalFigures) {
    LoanBusterState buster{500000, 10.5f, 0};
    LoanBusterResult r = Calc(buster, 240);
    EXPECT_EQ(r.NewPeriod, 240);
    EXPECT_GE(r.NewRepayment, r.Repayment - 1e-9);
    EXPECT_LE(r.NewRepayment, r.Repayment + 0.01 + 1e-9);
    EXPECT_EQ(r.NewTotalInterest, r.TotalInterest);
    EXPECT_EQ(r.NewTotalRepayments, r.TotalRepayments);
    EXPECT_EQ(r.TotalSaving, 0);
    EXPECT_EQ(buster.ExtraPayment, 0);
}

// The loan is paid off in its last month searched: an extra payment that
// does not shorten it leaves the period as it was.
TEST(BBCalc, AnExtraThatDoesNotShortenTheLongestLoanKeepsItsPeriod) {
    for (const double extra : {0.0, 0.01}) {
        LoanBusterState buster{500000, 10.5f, extra};
        LoanBusterResult r = Calc(buster, 600);
        EXPECT_EQ(r.NewPeriod, 600) << extra;
        EXPECT_NEAR(r.NewTotalRepayments, r.TotalRepayments, 600 * 0.01) << extra;
    }
}

TEST(BBCalc, AnExtraOfMoreThanTenRepaymentsKeepsThePreviousColumn) {
    LoanBusterState buster{500000, 10.5f, 1000};
    LoanBusterResult r = Calc(buster, 240);
    const LoanBusterResult before = r;
    buster.ExtraPayment = 60000;
    BBCalc(buster, 240, r);
    EXPECT_EQ(r.NewPeriod, before.NewPeriod);
    EXPECT_EQ(r.NewRepayment, before.NewRepayment);
    EXPECT_EQ(r.TotalSaving, before.TotalSaving);
    EXPECT_EQ(buster.ExtraPayment, 60000);
}

TEST(BBCalc, AnExtraThatPaysOffInOneMonthEnds) {
    // A0 on 10 000 over 2 months at 12% is about 5 075; ten times that is accepted.
    LoanBusterState buster{10000, 12, 50000};
    LoanBusterResult r = Calc(buster, 2);
    EXPECT_EQ(r.NewPeriod, 1);
    EXPECT_NEAR(r.NewRepayment, 10100, 1e-6);
    EXPECT_NEAR(buster.ExtraPayment, 10100 - r.Repayment, 1e-6);
}

TEST(BBCalc, AMissingInputGivesZeroEverywhere) {
    const LoanBusterState cases[] = {{0, 10.5f, 1000}, {500000, 0, 1000}};
    for (LoanBusterState buster : cases) {
        LoanBusterResult r;
        r.NewRepayment = 123;  // from an earlier calculation
        BBCalc(buster, 240, r);
        EXPECT_EQ(r.Repayment + r.TotalInterest + r.TotalRepayments + r.NewRepayment + r.NewTotalInterest +
                      r.NewTotalRepayments + r.TotalSaving,
                  0);
        EXPECT_EQ(r.NewPeriod, 0);
    }
    LoanBusterState buster{500000, 10.5f, 1000};
    LoanBusterResult r = Calc(buster, 0);
    EXPECT_EQ(r.Repayment + r.NewRepayment + r.TotalSaving, 0);
}

TEST(BusterFormulas, TheRateIsHeldInSinglePrecision) {
    LoanBusterState buster{100000, 10.1f, 0};
    const double repayment = BRPAYMENT(buster, 60);
    const double i = 10.100000381469727 / 12 / 100;
    EXPECT_DOUBLE_EQ(repayment, i * 100000 / (1 - std::pow(1 + i, -60)));
    EXPECT_NEAR(BPAMOUNT(buster, repayment, 60), 100000, 1e-6);
    EXPECT_EQ(BPAMOUNT(buster, repayment, 0), 0);
}

TEST(BondBustRecord, HoldsTheLastCalculationWithItsTypes) {
    LoanBusterState buster{500000, 10.5f, 1000};
    LoanBusterResult r = Calc(buster, 240);
    const FieldValues record = BondBustRecord(buster, r);
    ASSERT_EQ(record.size(), 12u);
    EXPECT_EQ(record[1].first, "Period");
    EXPECT_EQ(std::get<std::int16_t>(record[1].second), 240);
    EXPECT_EQ(std::get<float>(record[2].second), 10.5f);
    EXPECT_EQ(record[6].first, "XtraPay");
    EXPECT_EQ(std::get<double>(record[6].second), buster.ExtraPayment);
    EXPECT_EQ(std::get<std::int16_t>(record[7].second), 150);
    EXPECT_EQ(record[11].first, "XTotSavings");
}

}  // namespace
}  // namespace kelvara

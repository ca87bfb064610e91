#include <gtest/gtest.h>

#include "FinanceTest.h"
#include "Loan.h"

namespace kelvara {
namespace {

TEST(LoanCalc, RepaymentAndPrincipalFollowTheAnnuityFormula) {
    LoanState loan = MakeLoan("Monthly repayment", 100000, 60, 10, 0);
    EXPECT_FALSE(LoanCalc(loan));
    EXPECT_NEAR(loan.Repayment, 2124.7045, 0.00005);
    EXPECT_EQ(Cents(TotalRepayments(loan)), 127482.27);
    EXPECT_EQ(Cents(TotalInterest(loan)), 27482.27);

    loan = MakeLoan("Principal amount", 0, 60, 10, 2124.70);
    LoanCalc(loan);
    EXPECT_EQ(Cents(loan.Principal), 99999.79);
}

TEST(LoanCalc, PeriodSearchRaisesTheRepaymentToTheCentThatPaysOff) {
    struct Case {
        double Repayment;
        double Months;
        double Raised;
    };
    const Case cases[] = {
        {2124.70, 60, 2124.71},    {2500, 48, 2536.26}, {500, 0, 499.99},  // not paid off within 600 months
        {839.11, 600, 839.11},                                             // paid off in the last month searched
        {200000, 1, 100833.34},  // one month overpays: the least whole cent paying it off
        {100833.35, 1, 100833.34},
    };
    for (const Case& c : cases) {
        LoanState loan = MakeLoan("Repayment period", 100000, 7, 10, c.Repayment);
        LoanCalc(loan);
        EXPECT_EQ(loan.PeriodMonths, c.Months) << c.Repayment;
        EXPECT_EQ(Cents(loan.Repayment), c.Raised) << c.Repayment;
        EXPECT_NEAR(loan.Repayment, c.Raised, 1e-6) << "a whole cent: " << c.Repayment;
        EXPECT_EQ(loan.Principal, 100000) << c.Repayment;
    }
}

TEST(LoanCalc, PeriodSearchEndsWhenOneMonthAlreadyOverpays) {
    // One month's interest on 100 000 at 12% is 1 000.
    LoanState loan = MakeLoan("Repayment period", 100000, 0, 12, 250000);
    LoanCalc(loan);
    EXPECT_EQ(loan.PeriodMonths, 1);
    EXPECT_NEAR(loan.Repayment, 101000, 1e-6);
}

TEST(LoanCalc, RateSearchFindsTheLargestRateOnTheCentGrid) {
    struct Case {
        double Repayment;
        double Rate;
        bool Error;
    };
    const Case cases[] = {
        {2124.70, 9.99, false},  // 10.00% gives 2124.7045, above the target
        {2200, 11.51, false},
        {5000, 56.13, true},
    };
    for (const Case& c : cases) {
        LoanState loan = MakeLoan("Interest rate", 100000, 60, 3, c.Repayment);
        EXPECT_EQ(LoanCalc(loan), c.Error) << c.Repayment;
        EXPECT_EQ(RoundHalfEven(loan.AnnualRate, 2), c.Rate) << c.Repayment;
        EXPECT_EQ(loan.Repayment, c.Repayment) << "the target is put back";
    }
}

TEST(LoanCalc, RateSearchEndsQuicklyForAHugeRepayment) {
    LoanState loan = MakeLoan("Interest rate", 0.01, 1, 0, 9999999.99);
    EXPECT_TRUE(LoanCalc(loan));
    // 0.01 x (1 + r / 1200) must stay at most the repayment.
    const double exact = (9999999.99 / 0.01 - 1) * 1200;
    EXPECT_LE(loan.AnnualRate, exact);
    EXPECT_GT(loan.AnnualRate, exact - 0.011);
}

TEST(LoanCalc, AMissingQuantityGivesZero) {
    struct Case {
        const char* Mode;
        LoanState Loan;
        double LoanState::*Result;
    };
    const Case cases[] = {
        {"repayment at 0%", MakeLoan("Monthly repayment", 100000, 60, 0, 9), &LoanState::Repayment},
        {"principal at 0%", MakeLoan("Principal amount", 9, 60, 0, 2000), &LoanState::Principal},
        {"period at 0%", MakeLoan("Repayment period", 100000, 9, 0, 2000), &LoanState::PeriodMonths},
        {"period without repayment", MakeLoan("Repayment period", 100000, 9, 10, 0), &LoanState::PeriodMonths},
        {"rate without period", MakeLoan("Interest rate", 100000, 0, 9, 2000), &LoanState::AnnualRate},
    };
    for (Case c : cases) {
        LoanCalc(c.Loan);
        EXPECT_EQ(c.Loan.*c.Result, 0) << c.Mode;
    }
    LoanState noRepayment = MakeLoan("Repayment period", 100000, 9, 10, 0);
    LoanCalc(noRepayment);
    EXPECT_EQ(noRepayment.Repayment, 0) << "a missing repayment is not lowered below 0";
}

TEST(LoanState, InitialiseAllKeepsOnlyThePrincipal) {
    LoanState loan = MakeLoan("Interest rate", 123, 60, 10, 2000);
    loan.FinChargeState = "DOWN";
    loan.SavedPrincipal = 5;
    InitLoanState(loan);
    EXPECT_EQ(loan.Principal, 123);
    EXPECT_EQ(loan.LoanMode, "Monthly repayment");
    EXPECT_EQ(loan.FinChargeState, "UP");
    EXPECT_EQ(loan.PeriodMonths + loan.AnnualRate + loan.Repayment + loan.SavedPrincipal, 0);
}

TEST(LoanState, FinanceChargesToggle) {
    LoanState loan;
    EXPECT_FALSE(FinanceChargesShown(loan));
    ToggleFinanceCharges(loan);
    EXPECT_EQ(loan.FinChargeState, "DOWN");
    ToggleFinanceCharges(loan);
    EXPECT_EQ(loan.FinChargeState, "UP");
}

}  // namespace
}  // namespace kelvara

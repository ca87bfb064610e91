#include <gtest/gtest.h>

#include "Amortisation.h"
#include "FinanceTest.h"

namespace kelvara {
namespace {

LoanState LoanOf(double principal, double months, double rate) {
    LoanState loan = MakeLoan(LoanModes[0], principal, months, rate, 0);
    RPAYMENT(loan);
    return loan;
}

// A schedule row as its table shows it: the month or year, then capital,
// interest and balance to the cent.
std::vector<double> Shown(const ScheduleRow& row) {
    return {double(row.Number), Cents(row.Capital), Cents(row.Interest), Cents(row.Balance)};
}

TEST(MonthlySchedule, TwelveMonthsPayOffTheWholeLoan) {
    LoanState loan = LoanOf(100000, 12, 10);
    EXPECT_EQ(Cents(loan.Repayment), 8791.59);
    MonthlySchedule(loan);
    const std::vector<ScheduleRow> rows = MonthlyRows(loan);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(Shown(rows[0]), (std::vector{1.0, 7958.26, 833.33, 92041.74}));
    EXPECT_EQ(Shown(rows[11]), (std::vector{12.0, 8718.93, 72.66, 0.0}));
    double capital = 0;
    for (const ScheduleRow& row : rows) capital += row.Capital;
    EXPECT_NEAR(capital, 100000, 1e-6);
}

TEST(MonthlySchedule, IgnoresTheRepaymentTheModeProduced) {
    LoanState loan = LoanOf(100000, 12, 10);
    loan.Repayment = 9000;  // as a period search might have raised it
    MonthlySchedule(loan);
    EXPECT_EQ(Cents(loan.MonthCapital[1] + loan.MonthInterest[1]), 8791.59);
}

TEST(CalcAnnAmort, ThirtyMonthsEndWithAPartYear) {
    LoanState loan = LoanOf(100000, 30, 10);
    CalcAnnAmort(loan);
    EXPECT_EQ(loan.WholeYears, 2);
    EXPECT_EQ(loan.ScheduleKind, 2);
    EXPECT_EQ(loan.ScheduleYears, 3);
    const std::vector<ScheduleRow> rows = AnnualRows(loan);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(Shown(rows[0]), (std::vector{1.0, 37040.88, 8332.81, 62959.12}));
    EXPECT_EQ(Shown(rows[1]), (std::vector{2.0, 40919.54, 4454.15, 22039.58}));
    EXPECT_EQ(Shown(rows[2]), (std::vector{3.0, 22039.58, 647.27, 0.0}));
}

TEST(CalcAnnAmort, RowsAndKindFollowThePeriod) {
    struct Case {
        double Months;
        int WholeYears;
        int Kind;
        std::size_t Rows;
    };
    const Case cases[] = {{12, 1, 1, 1}, {13, 1, 2, 2}, {6, 0, 2, 1}, {360, 30, 1, 30}, {600, 50, 1, 50}};
    for (const Case& c : cases) {
        LoanState loan = LoanOf(100000, c.Months, 10);
        CalcAnnAmort(loan);
        EXPECT_EQ(loan.WholeYears, c.WholeYears) << c.Months;
        EXPECT_EQ(loan.ScheduleKind, c.Kind) << c.Months;
        const std::vector<ScheduleRow> rows = AnnualRows(loan);
        ASSERT_EQ(rows.size(), c.Rows) << c.Months;
        EXPECT_NEAR(rows.back().Balance, 0, 1e-6) << c.Months;
    }
}

TEST(CalcAnnAmort, APartYearTakesTheRestOfTheLoansOwnTotals) {
    LoanState loan = LoanOf(100000, 6, 10);
    loan.Repayment = 17200;  // not the annuity repayment
    CalcAnnAmort(loan);
    const std::vector<ScheduleRow> rows = AnnualRows(loan);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Capital, 100000);
    EXPECT_NEAR(rows[0].Interest, 17200 * 6 - 100000, 1e-9);
    EXPECT_EQ(rows[0].Balance, 0);
}

TEST(ScheduleGuards, TablesNeedEveryQuantityAndTheAnnualOneThirteenMonths) {
    struct Case {
        double Principal, Months, Rate;
        bool Monthly, Annual;
    };
    const Case cases[] = {
        {100000, 12, 10, true, false}, {100000, 13, 10, true, true},  {0, 60, 10, false, false},
        {100000, 0, 10, false, false}, {100000, 60, 0, false, false},
    };
    for (const Case& c : cases) {
        const LoanState loan = MakeLoan(LoanModes[0], c.Principal, c.Months, c.Rate, 1000);
        EXPECT_EQ(CanShowMonthlySchedule(loan), c.Monthly) << c.Principal << " " << c.Months << " " << c.Rate;
        EXPECT_EQ(CanShowAnnualSchedule(loan), c.Annual) << c.Principal << " " << c.Months << " " << c.Rate;
    }
}

}  // namespace
}  // namespace kelvara

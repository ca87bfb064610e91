#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "Amortisation.h"
#include "Annuity.h"
#include "DailyBalance.h"
#include "FinanceTest.h"
#include "Inflation.h"
#include "Loan.h"
#include "LoanBuster.h"
#include "LoanComparison.h"
#include "RandomInputs.h"

namespace kelvara::testing {
namespace {

// Runs the check on 5000 random cases, up to the first that fails.
template <class Check>
void ForRandomCases(std::uint64_t seed, Check check) {
    RandomInputs random(seed);
    for (int i = 0; i < 5000 && !::testing::Test::HasFailure(); ++i) {
        random.NextCase();
        check(random);
    }
}

void ExpectShownRows(const std::vector<ScheduleRow>& rows, std::size_t count) {
    ASSERT_EQ(rows.size(), count);
    // A finite figure is one the grid shows as digits; formatting every row
    // of every schedule would only slow the test down.
    for (const ScheduleRow& row : rows) {
        ASSERT_TRUE(std::isfinite(row.Capital) && std::isfinite(row.Interest) && std::isfinite(row.Balance))
            << "row " << row.Number << ": " << row.Capital << ' ' << row.Interest << ' ' << row.Balance;
    }
}

// The schedules the window offers for the loan as calculated.
void ExpectShownSchedules(LoanState loan) {
    if (CanShowMonthlySchedule(loan)) {
        MonthlySchedule(loan);
        ExpectShownRows(MonthlyRows(loan), static_cast<std::size_t>(loan.PeriodMonths));
    }
    if (CanShowAnnualSchedule(loan)) {
        CalcAnnAmort(loan);
        ExpectShownRows(AnnualRows(loan), static_cast<std::size_t>(loan.ScheduleYears));
    }
}

// What each search promises of its answer.
void ExpectSearchEnded(const LoanState& before, const LoanState& loan, bool rateError) {
    const double i = Annuity::MonthlyRate(loan.AnnualRate);
    if (loan.LoanMode == LoanModes[2]) {
        ASSERT_GE(loan.PeriodMonths, 0);
        ASSERT_LE(loan.PeriodMonths, Annuity::MaxMonths);
        EXPECT_EQ(loan.PeriodMonths, std::floor(loan.PeriodMonths));
        EXPECT_EQ(loan.Principal, before.Principal);
        // The repayment found pays the loan off in the months found.
        if (loan.PeriodMonths > 0) {
            EXPECT_GE(Annuity::Principal(loan.Repayment, i, loan.PeriodMonths), loan.Principal * (1 - 1e-12));
        }
    } else if (loan.LoanMode == LoanModes[3]) {
        EXPECT_EQ(rateError, loan.AnnualRate > 50);
        EXPECT_EQ(loan.Repayment, before.Repayment);
        // The rate found is the last on the cent grid whose repayment stays within the target.
        if (loan.AnnualRate > 0) {
            EXPECT_LE(Annuity::Repayment(loan.Principal, i, loan.PeriodMonths), loan.Repayment * (1 + 1e-12));
            const double above = Annuity::MonthlyRate(loan.AnnualRate + 0.01);
            EXPECT_GT(Annuity::Repayment(loan.Principal, above, loan.PeriodMonths), loan.Repayment * (1 - 1e-12));
        }
    }
}

class LoanProperty : public ::testing::TestWithParam<int> {};

// Every loan the window's fields accept, in every calculate mode, ends in
// figures and schedules the window can show; the searches end where they say.
TEST_P(LoanProperty, EveryAcceptedInputShowsFigures) {
    const int mode = GetParam();
    ForRandomCases(8100 + mode, [&](RandomInputs& random) {
        LoanState loan;
        loan.LoanMode = LoanModes[mode];
        loan.Principal = random.Field(LoanFields::Principal);
        loan.PeriodMonths = random.Field(LoanFields::Period);
        loan.AnnualRate = random.Field(LoanFields::Rate);
        loan.Repayment = random.Field(LoanFields::Repayment);
        SCOPED_TRACE(random.Trace());

        const LoanState before = loan;
        const bool rateError = LoanCalc(loan);

        ExpectSearchEnded(before, loan, rateError);
        ExpectShown({{"principal", loan.Principal},
                     {"period", loan.PeriodMonths, 0},
                     {"rate", loan.AnnualRate, 3},
                     {"repayment", loan.Repayment},
                     {"total interest", TotalInterest(loan)},
                     {"total repayments", TotalRepayments(loan)}});
        ExpectShownSchedules(loan);
    });
}

std::string ModeName(const ::testing::TestParamInfo<int>& info) {
    constexpr const char* names[] = {"Repayment", "Principal", "Period", "Rate"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(EveryMode, LoanProperty, ::testing::Values(0, 1, 2, 3), ModeName);

// Found by the loan property: a repayment just over half the principal pays
// the loan off in two months, and the repayment that pays it off in one lies
// nearly a billion cents higher. The period search raised it one cent at a
// time, for seconds.
TEST(LoanPropertyRegression, PeriodSearchFarBelowTheOneMonthRepayment) {
    LoanState loan = MakeLoan(LoanModes[2], 19000000, 0, 1, 9999999.99);
    LoanCalc(loan);
    EXPECT_EQ(loan.PeriodMonths, 1);
    // 19 000 000 plus a month's interest at 1%, raised to the next cent.
    EXPECT_EQ(FormatNumber(loan.Repayment, 2), "19 015 833.34");
}

// The same in the loan buster, where the extra payment lifts the repayment of
// a two-month loan of R100 million over its half: five billion cents to raise.
TEST(LoanPropertyRegression, LoanBusterFarBelowTheOneMonthRepayment) {
    LoanBusterState buster{100000000, 12, 1000};
    LoanBusterResult r;
    BBCalc(buster, 2, r);
    EXPECT_EQ(r.NewPeriod, 1);
    EXPECT_GE(r.NewRepayment, 101000000);
    EXPECT_LT(r.NewRepayment, 101000000.01);
}

// Every loan-buster input the fields accept ends with figures it can show.
TEST(LoanBusterProperty, EveryAcceptedInputShowsFigures) {
    ForRandomCases(8201, [&](RandomInputs& random) {
        LoanBusterState buster{random.Field(LoanBusterFields::Principal),
                               static_cast<float>(random.Field(LoanBusterFields::Rate)),
                               random.Field(LoanBusterFields::Extra)};
        const auto period = static_cast<std::int16_t>(random.Field(LoanBusterFields::Period));
        SCOPED_TRACE(random.Trace());

        LoanBusterResult r;
        BBCalc(buster, period, r);

        EXPECT_GE(r.NewPeriod, 0);
        EXPECT_LE(r.NewPeriod, Annuity::MaxMonths);
        ExpectShown({{"repayment", r.Repayment},
                     {"total interest", r.TotalInterest},
                     {"total repayments", r.TotalRepayments},
                     {"new repayment", r.NewRepayment},
                     {"new total interest", r.NewTotalInterest},
                     {"new total repayments", r.NewTotalRepayments},
                     {"saving", r.TotalSaving},
                     {"extra payment", buster.ExtraPayment}});
    });
}

TEST(LoanComparisonProperty, EveryAcceptedInputShowsFigures) {
    ForRandomCases(8301, [&](RandomInputs& random) {
        const LoanCompState comp{random.Field(LoanComparisonFields::Principal),
                                 static_cast<float>(random.Field(LoanComparisonFields::Rate))};
        SCOPED_TRACE(random.Trace());

        for (const LoanComparisonRow& row : Compare(comp)) {
            ExpectShown({{row.Label.c_str(), row.Repayment},
                         {row.Label.c_str(), row.TotalInterest},
                         {row.Label.c_str(), row.TotalPaid}});
        }
    });
}

TEST(InflationProperty, EveryAcceptedInputShowsFiguresOrTooLarge) {
    ForRandomCases(8401, [&](RandomInputs& random) {
        InflationState inflation{random.Field(InflationFields::PresentCost), random.Field(InflationFields::Period),
                                 random.Field(InflationFields::Rate)};
        SCOPED_TRACE(random.Trace());

        ProjectInflation(inflation);

        // A future value too large to show is still a number: the window
        // says so instead of showing it.
        ExpectShown({{"future value", inflation.InflFutureValue}, {"buying power", inflation.InflBuyingPower}});
        EXPECT_GE(inflation.InflBuyingPower, 0);
    });
}

// The dates of the window: inside the fields' design bounds, the end at most
// 10960 days after the start; either field may still be empty when the window
// calculates on activation.
TEST(DailyBalanceProperty, EveryAcceptedInputShowsFigures) {
    const PeriodDates::Bounds design = DailyBalanceDesignBounds();
    ForRandomCases(8501, [&](RandomInputs& random) {
        DailyBalanceState balance{static_cast<float>(random.Field(DailyBalanceFields::Capital)),
                                  static_cast<float>(random.Field(DailyBalanceFields::Rate))};
        const bool datesSet = random.Chance(0.9);
        if (datesSet) {
            balance.DayBalStartDay = static_cast<std::int32_t>(random.Between("start", design.Lower, design.Upper));
            const long last = std::min<long>(balance.DayBalStartDay + 10960, design.Upper);
            balance.DayBalEndDay = static_cast<std::int32_t>(random.Between("end", balance.DayBalStartDay, last));
        } else {
            std::int32_t& set = random.Flag("start empty") ? balance.DayBalEndDay : balance.DayBalStartDay;
            set = static_cast<std::int32_t>(random.Between("date", design.Lower, design.Upper));
        }
        SCOPED_TRACE(random.Trace());

        const DailyBalanceResult r = CalculateDailyBalance(balance);

        ExpectShown({{"interest", static_cast<double>(r.Interest)}, {"days", static_cast<double>(r.Days), 0}});
        if (datesSet) {
            EXPECT_GE(r.Days, 0);
            EXPECT_LE(r.Days, 10960);
        }
    });
}

}  // namespace
}  // namespace kelvara::testing

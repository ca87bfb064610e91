#include <gtest/gtest.h>

#include "DailyBalance.h"
#include "DayNumber.h"

namespace kelvara {
namespace {

std::int32_t Day(const char* text) { return static_cast<std::int32_t>(*ParseDate(text)); }

TEST(DailyBalance, SimpleInterestOnA365DayYear) {
    struct Case {
        float Capital, Rate;
        const char* Start;
        const char* End;
        std::int32_t Days;
        float Interest;
    };
    const Case cases[] = {
        {100000, 10, "01/03/2026", "01/04/2026", 31, static_cast<float>(100000.0 * 10 / 100 * 31 / 365)},
        {100000, 10, "01/03/2026", "01/03/2027", 365, 10000},
        {100000, 10, "01/03/2026", "01/03/2026", 0, 0},
    };
    for (const Case& c : cases) {
        const DailyBalanceState balance{c.Capital, c.Rate, Day(c.Start), Day(c.End), 0.25};
        const DailyBalanceResult r = CalculateDailyBalance(balance);
        EXPECT_EQ(r.Days, c.Days) << c.End;
        EXPECT_EQ(r.Interest, c.Interest) << c.End;
        EXPECT_EQ(CanPrintDailyBalance(r), c.Days > 0) << c.End;
    }
    EXPECT_FLOAT_EQ(CalculateDailyBalance({100000, 10, Day("01/03/2026"), Day("01/04/2026"), 0.25}).Interest,
                    849.31506f);
}

TEST(DailyBalance, TheCapitalIsHeldInSinglePrecision) {
    const DailyBalanceState balance{1234567.89f, 10, 0, 365, 0.25};
    EXPECT_EQ(static_cast<double>(balance.DayBalCapital), 1234567.875);
    EXPECT_EQ(CalculateDailyBalance(balance).Interest, static_cast<float>(123456.7875));
}

TEST(DailyBalance, DateBoundsMoveWithTheOtherDate) {
    const std::int32_t start = Day("01/03/2026");
    const auto end = EndDateBounds(start);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->Lower, start);
    EXPECT_EQ(end->Upper, start + 10960);
    const auto before = StartDateBounds(start);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->Lower, start - 10960);
    EXPECT_EQ(before->Upper, start - 1);
    EXPECT_FALSE(EndDateBounds(EmptyDay));
    EXPECT_FALSE(StartDateBounds(EmptyDay));
    EXPECT_EQ(FormatDate(DailyBalanceDesignBounds().Lower), "01/01/0100");
    EXPECT_EQ(FormatDate(DailyBalanceDesignBounds().Upper), "31/12/9999");
}

TEST(DailyBalance, EndDateSpinNeverPassesTheStart) {
    DailyBalanceState balance{0, 0, 46082, 46083};  // 01/03/2026 to 02/03/2026
    balance.DayBalEndDay = EndDayDown(balance);
    EXPECT_EQ(balance.DayBalEndDay, 46082);
    EXPECT_EQ(EndDayDown(balance), 46082);
    EXPECT_EQ(EndDayUp(balance), 46083);
}

TEST(DailyBalance, RateSpinCyclesWithinOneStepAndFifty) {
    struct Case {
        SpinStep (*Press)(const DailyBalanceState&);
        float From;
        double To;
        bool Beep;
    };
    const Case cases[] = {
        {DailyBalanceRateDown, 0.25f, 50, true}, {DailyBalanceRateUp, 50, 0.25, false},
        {DailyBalanceRateUp, 10, 10.25, false},  {DailyBalanceRateUp, 0, 0, false},
        {DailyBalanceRateDown, 0, 0, false},
    };
    for (const Case& c : cases) {
        const SpinStep step = c.Press({0, c.From});
        EXPECT_EQ(step.Value, c.To) << c.From;
        EXPECT_EQ(step.Beep, c.Beep) << c.From;
    }
}

TEST(DailyBalance, OutOfRangeMessagesNameTheOtherDate) {
    EXPECT_EQ(EndDateOutOfRangeMessage("01/03/2026").Text,
              "The date entered is more than 30 years(360 months) after 01/03/2026.");
    EXPECT_EQ(StartDateOutOfRangeMessage("01/03/2026").Title, "DATE OUT OF RANGE");
}

}  // namespace
}  // namespace kelvara

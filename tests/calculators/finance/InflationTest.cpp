#include <gtest/gtest.h>

#include "FinanceTest.h"
#include "Inflation.h"

namespace kelvara {
namespace {

TEST(ProjectInflation, CompoundsYearByYear) {
    struct Case {
        double Cost, Period, Rate, Future, Buying;
    };
    const Case cases[] = {
        {100000, 10, 6, 179084.77, 55839.48},
        {100000, 10, -5, 59873.69, 167018.26},
        {100000, 0, 6, 100000, 100000},
        {100000, 10, 0, 100000, 100000},
    };
    for (const Case& c : cases) {
        InflationState inflation{c.Cost, c.Period, c.Rate, 0, 0};
        ProjectInflation(inflation);
        EXPECT_EQ(Cents(inflation.InflFutureValue), c.Future) << c.Period << " " << c.Rate;
        EXPECT_EQ(Cents(inflation.InflBuyingPower), c.Buying) << c.Period << " " << c.Rate;
        EXPECT_TRUE(CanPrintInflation(inflation));
    }
}

TEST(ProjectInflation, AFutureValueTooLargeToShowCannotBePrinted) {
    InflationState inflation{2147483647, 40, 40, 0, 0};
    ProjectInflation(inflation);
    EXPECT_TRUE(FutureValueTooLarge(inflation));
    EXPECT_FALSE(CanPrintInflation(inflation));
    EXPECT_GT(inflation.InflBuyingPower, 0);
    EXPECT_FALSE(CanPrintInflation({}));
}

TEST(InflationSpin, RateAndPeriodCycle) {
    struct Case {
        SpinStep (*Press)(double);
        double From;
        double To;
        bool Beep;
    };
    const Case cases[] = {
        {InflationRateUp, 29.75, 30, false}, {InflationRateUp, 30, -5, false},    {InflationRateDown, -5, 30, false},
        {InflationRateUp, -0.25, 0, true},   {InflationRateDown, 6, 5.75, false}, {InflationPeriodDown, 1, 40, true},
        {InflationPeriodUp, 40, 1, false},   {InflationPeriodUp, 7, 8, false},    {InflationPeriodUp, 0, 0, false},
        {InflationPeriodDown, 0, 0, false},
    };
    for (const Case& c : cases) {
        const SpinStep step = c.Press(c.From);
        EXPECT_EQ(step.Value, c.To) << c.From;
        EXPECT_EQ(step.Beep, c.Beep) << c.From;
    }
}

}  // namespace
}  // namespace kelvara

#include "Inflation.h"

namespace kelvara {

namespace {
constexpr double RateStep = 0.25;
constexpr double SpinRateLowest = -5;
constexpr double SpinRateHighest = 30;
constexpr double LongestPeriod = 40;
}  // namespace

void ProjectInflation(InflationState& inflation) {
    const double rate = inflation.InflRate;
    double future = inflation.InflPresentCost;
    double buying = inflation.InflPresentCost;
    for (int year = 1; year <= inflation.InflPeriod; ++year) {
        future = future + future * rate / 100;
        buying = buying - buying * rate / (rate + 100);
    }
    inflation.InflFutureValue = future;
    inflation.InflBuyingPower = buying;
}

SpinStep InflationRateUp(double rate) {
    const double up = rate + RateStep;
    if (up > SpinRateHighest) return {SpinRateLowest, false};
    return {up, up == 0};
}

SpinStep InflationRateDown(double rate) {
    const double down = rate - RateStep;
    return {down < SpinRateLowest ? SpinRateHighest : down, false};
}

SpinStep InflationPeriodUp(double period) {
    if (period == 0) return {0, false};
    return {period + 1 > LongestPeriod ? 1 : period + 1, false};
}

SpinStep InflationPeriodDown(double period) {
    if (period == 0) return {0, false};
    if (period - 1 == 0) return {LongestPeriod, true};
    return {period - 1, false};
}

FieldValues InflationRecord(const InflationState& inflation) {
    return {
        {"PresCost", inflation.InflPresentCost}, {"Period", inflation.InflPeriod},    {"InflaRate", inflation.InflRate},
        {"Ans1", inflation.InflFutureValue},     {"ANS2", inflation.InflBuyingPower},
    };
}

Refusal InflationRateMessage() {
    return {"Incorrect Inflation Rate!", "The range of the Inflation Rate is between -5% and 40%"};
}

Refusal InflationPeriodMessage() { return {"Incorrect Period!", "The maximum period allowed 40 years"}; }

}  // namespace kelvara

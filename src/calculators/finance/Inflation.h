#pragma once
#include "FieldValue.h"
#include "FinanceFields.h"

namespace kelvara {

// The inflation projection's figures, kept in the shared calculation state.
struct InflationState {
    double InflPresentCost = 0;  // whole rand
    double InflPeriod = 0;       // whole years, 0 to 40
    double InflRate = 0;         // percent a year
    double InflFutureValue = 0;
    double InflBuyingPower = 0;
};

inline void InitInflationState(InflationState& inflation) { inflation = {}; }

// Compounds the present cost year by year, nothing rounded between years: the
// future cost grows by the rate, the buying power shrinks by rate / (rate + 100).
void ProjectInflation(InflationState& inflation);

// A future value above this is not shown ("Amount too large to display") and
// cannot be printed.
inline constexpr double LargestShownFutureValue = 9999999999;
inline bool FutureValueTooLarge(const InflationState& inflation) {
    return inflation.InflFutureValue > LargestShownFutureValue;
}
inline bool CanPrintInflation(const InflationState& inflation) {
    return inflation.InflFutureValue != 0 && !FutureValueTooLarge(inflation);
}

// The rate spin buttons step by 0.25 and cycle within -5 to 30; reaching 0
// going up beeps.
SpinStep InflationRateUp(double rate);
SpinStep InflationRateDown(double rate);

// The period spin buttons cycle within 1 to 40 (going down from 1 beeps); a
// period of 0 is left alone.
SpinStep InflationPeriodUp(double period);
SpinStep InflationPeriodDown(double period);

// The one record of table "Inflation".
FieldValues InflationRecord(const InflationState& inflation);

namespace InflationFields {
inline constexpr NamedFieldBounds PresentCost{"numPresCost", {0, 8, 0, 2147483647}};
inline constexpr NamedFieldBounds Period{"numPeriod", {0, 2, 0, 40}};
inline constexpr NamedFieldBounds Rate{"numInflaRate", {3, 2, -5, 40}};
}  // namespace InflationFields

Refusal InflationRateMessage();
Refusal InflationPeriodMessage();

inline constexpr const char* InflationTable = "Inflation";
inline constexpr const char* InflationLayout = "\\Inflatin.rpt";
inline constexpr const char* InflationTitle =
    "Inflation - To export printout click on the suitcase button or goto Help";
inline constexpr const char* InflationTooLargeText = "Amount too large to display";

}  // namespace kelvara

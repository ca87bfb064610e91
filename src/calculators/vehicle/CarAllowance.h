#pragma once
#include <array>
#include <optional>

#include "DayNumber.h"
#include "FieldBounds.h"
#include "Refusal.h"
#include "TravelAllowance.h"

namespace kelvara {

// The car-allowance window's numeric fields, in screen order; all whole numbers.
inline constexpr std::array<NamedFieldBounds, 12> CarAllowanceFieldBounds{{
    {"VehicleValue", {0, 7, 0, 9999999}},
    {"AllowanceReceived", {0, 7, 0, 9999999}},
    {"ClosingKm", {0, 7, 0, 9999999}},
    {"OpeningKm", {0, 7, 0, 9999999}},
    {"BusinessKm", {0, 7, 0, 9999999}},
    {"FuelOil", {0, 7, 0, 9999999}},
    {"RepairsMaintenance", {0, 7, 0, 9999999}},
    {"InsuranceLicence", {0, 7, 0, 9999999}},
    {"OtherExpenses", {0, 7, 0, 9999999}},
    {"WearAndTear", {0, 7, 0, 9999999}},
    {"LeasePayments", {0, 7, 0, 9999999}},
    {"PeriodDays", {0, 3, 0, 365}},
}};

inline constexpr int CarDescriptionMaxLength = 25;

// Whether the deemed-cost claim has what it needs: a vehicle value, a period
// and a business distance, none of them 0.
bool DeemedCostInputsGiven(const TravelAllowanceState& state);

// What the window's recalculation does (on Calculate, OK, Print, Enter, a tick
// box, opening and closing): the period from the dates, then the claim the
// records call for. Without records and with a value, period or business
// distance of 0 no claim is computed and the deemed-cost results are cleared,
// so that the report shows the zeros the screen shows. Returns whether a
// claim was computed.
bool RecalculateTravelAllowance(TravelAllowanceState& state, DayNumber startDate, DayNumber endDate);

// Wear and tear and lease payments exclude each other: an amount above 0 typed
// into one while the other holds 1 or more is refused, and the field typed
// into goes back to 0.
std::optional<Refusal> SinglePaymentRefusal(double typedAmount, double otherAmount);

}  // namespace kelvara

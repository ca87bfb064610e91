#include "CarAllowance.h"

namespace kelvara {

namespace {

// The figures the deemed-cost panel shows.
void ClearDeemedCostResults(TravelAllowanceState& state) {
    state.DistanceTotal = 0;
    state.DistanceBusiness = 0;
    state.DistancePrivate = 0;
    state.FixedCost = 0;
    state.FixedCentsPerKm = 0;
    state.FuelCentsPerKm = 0;
    state.MaintenanceCentsPerKm = 0;
    state.TotalCentsPerKm = 0;
    state.DeductionClaim = 0;
}

}  // namespace

bool DeemedCostInputsGiven(const TravelAllowanceState& state) {
    return state.VehicleValue != 0 && state.PeriodDays != 0 && state.BusinessKm != 0;
}

bool RecalculateTravelAllowance(TravelAllowanceState& state, DayNumber startDate, DayNumber endDate) {
    state.PeriodDays = static_cast<double>(endDate - startDate + 1);
    if (state.RecordsKept) {
        CalcActualCostClaim(state);
        return true;
    }
    if (DeemedCostInputsGiven(state)) {
        CalcDeemedCostClaim(state);
        return true;
    }
    ClearDeemedCostResults(state);
    return false;
}

std::optional<Refusal> SinglePaymentRefusal(double typedAmount, double otherAmount) {
    if (typedAmount > 0 && otherAmount >= 1) {
        return Refusal{"Single Payment", "Only one amount for either Wear & Tear or Lease payments will be accepted"};
    }
    return std::nullopt;
}

}  // namespace kelvara

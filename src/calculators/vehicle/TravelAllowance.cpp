#include "TravelAllowance.h"

#include "DeemedCostTable.h"
#include "Rounding.h"

namespace kelvara {

namespace {

constexpr double FullYearDays = 365;
constexpr double DeemedPrivateKm = 18000;      // a year
constexpr double DeemedBusinessCapKm = 14000;  // a year, above the total below
constexpr double DeemedTotalKm = 32000;        // a year
constexpr double NoAllowanceLimit = 9999999.97;

// A claim may not exceed the allowance; without an allowance only the largest
// amount the fields can show limits it.
double LimitedClaim(double claim, double allowance) {
    const double limit = allowance == 0 ? NoAllowanceLimit : allowance;
    return claim > limit ? limit : claim;
}

}  // namespace

void InitTravelAllowanceState(TravelAllowanceState& state) { state = TravelAllowanceState{}; }

void SplitDistance(TravelAllowanceState& state) {
    const double total = state.ClosingKm - state.OpeningKm;  // not checked for order
    const double given = state.BusinessKm;
    const double days = state.PeriodDays;
    const double deemedPrivate = TruncateTo(days * DeemedPrivateKm / FullYearDays, 2);
    double business = 0;
    double personal = 0;

    // Each rule below overwrites what the rules before it decided.
    if (total > DeemedTotalKm) {
        business = days * DeemedBusinessCapKm / FullYearDays;
        personal = TruncateTo(total - business, 2);
    } else if (deemedPrivate > total) {
        business = 0;
        personal = total;
    } else {
        personal = deemedPrivate;
        business = total - personal;
    }
    if (total < DeemedPrivateKm) {
        business = 0;
        personal = total;
    }
    if (given > 0) {
        business = given;
        personal = total - given;
    }
    if (days < FullYearDays && total < DeemedTotalKm + 1) {
        const double periodTotal = days * DeemedTotalKm / FullYearDays;
        if (total > periodTotal) {
            business = TruncateTo(periodTotal - days * DeemedPrivateKm / FullYearDays, 2);
            personal = total - business;
        } else if (deemedPrivate > total) {
            personal = total;
            business = 0;
        } else {
            personal = deemedPrivate;
            business = total - personal;
        }
    }
    if (given > 0) {
        business = given;
        personal = total - given;
    }

    state.DistanceTotal = total;
    state.DistanceBusiness = business;
    state.DistancePrivate = personal;
}

void CalcDeemedCostClaim(TravelAllowanceState& state) {
    SplitDistance(state);

    const DeemedCostRow row = LookupDeemedCost(state.VehicleValue);
    state.FixedCost = row.FixedCost;
    const double fuel = state.IncludeFuel ? row.FuelPerKm : 0;
    const double maintenance = state.IncludeMaintenance ? row.MaintenancePerKm : 0;

    double fixedPerKm = state.DistanceTotal >= 1 ? state.FixedCost / state.DistanceTotal : 0;
    if (state.PeriodDays > 0 && state.PeriodDays < FullYearDays) {
        fixedPerKm = fixedPerKm * state.PeriodDays / FullYearDays;
    }
    fixedPerKm = TruncateTo(fixedPerKm, 6);
    state.FixedCentsPerKm = fixedPerKm * 100;
    state.FuelCentsPerKm = fuel * 100;
    state.MaintenanceCentsPerKm = maintenance * 100;

    const double rate = state.FixedCentsPerKm + state.FuelCentsPerKm + state.MaintenanceCentsPerKm;
    const double claimCents = state.DistanceBusiness * rate;  // the unrounded rate
    state.TotalCentsPerKm = RoundHalfEven(rate, 1);
    state.DeductionClaim = LimitedClaim(claimCents / 100, state.AllowanceReceived);
}

void CalcActualCostClaim(TravelAllowanceState& state) {
    state.TotalCosts = state.FuelOil + state.RepairsMaintenance + state.InsuranceLicence + state.OtherExpenses +
                       state.WearAndTear + state.LeasePayments;
    SplitDistance(state);

    if (state.ClosingKm == 0 && state.OpeningKm == 0 && state.BusinessKm == 0) {
        // No distances at all: the private use is 2.5% of the value a month,
        // less the fuel and maintenance the employee bore.
        const double value = state.VehicleValue;
        const double days = state.PeriodDays;
        double privateUse = value * 0.025 * 12 * days / FullYearDays;
        if (value > 0) {
            if (state.IncludeFuel) privateUse = privateUse - value * 0.0022 * days / FullYearDays * 12;
            if (state.IncludeMaintenance) privateUse = privateUse - value * 0.0018 * days / FullYearDays * 12;
        }
        state.PrivateUse = privateUse > state.TotalCosts ? 0 : privateUse;
        double claim = state.TotalCosts - privateUse;
        if (claim < 0) claim = 0;
        if (state.AllowanceReceived != 0 && claim > state.AllowanceReceived) claim = state.AllowanceReceived;
        state.DeductionClaim = claim;
        return;
    }

    const double claim = state.DistanceTotal > 1 ? state.TotalCosts * state.DistanceBusiness / state.DistanceTotal : 0;
    state.PrivateUse = state.TotalCosts - claim;  // before the limit
    state.DeductionClaim = LimitedClaim(claim, state.AllowanceReceived);
}

}  // namespace kelvara

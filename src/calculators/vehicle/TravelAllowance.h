#pragma once
#include <string>

namespace kelvara {

// The travel-allowance calculator's inputs and results, kept in the shared
// calculation state for the whole run so that reopening the window shows them
// again. Whole-number inputs are held as doubles; rates are in cents per km.
struct TravelAllowanceState {
    std::string CarDescription;  // up to 25 characters
    bool RecordsKept = false;    // accurate records of the actual costs
    bool IncludeFuel = true;
    bool IncludeMaintenance = true;

    double VehicleValue = 0;
    double AllowanceReceived = 0;
    double ClosingKm = 0;
    double OpeningKm = 0;
    double BusinessKm = 0;
    double FuelOil = 0;
    double RepairsMaintenance = 0;
    double InsuranceLicence = 0;
    double OtherExpenses = 0;
    double WearAndTear = 0;  // at most one of these two is above 0
    double LeasePayments = 0;
    double PeriodDays = 0;  // 1 to 365, from the window's dates

    double DistanceTotal = 0;
    double DistanceBusiness = 0;
    double DistancePrivate = 0;
    double TotalCosts = 0;  // records kept
    double PrivateUse = 0;  // records kept
    double DeductionClaim = 0;
    double FixedCost = 0;  // records not kept, rand a year
    double FixedCentsPerKm = 0;
    double FuelCentsPerKm = 0;
    double MaintenanceCentsPerKm = 0;
    double TotalCentsPerKm = 0;  // to one decimal
};

// What start-up and "Initialise All" do to the state: everything empty or 0
// except that fuel and maintenance are included.
void InitTravelAllowanceState(TravelAllowanceState& state);

// Splits the distance travelled into business and private kilometres. A
// business distance that is given always wins; without one a full year deems
// 18000 km private and at most 14000 km business, and a shorter period
// pro-rates those figures by its days.
void SplitDistance(TravelAllowanceState& state);

// The claim without records: the deemed cost per km of the vehicle's value
// band times the business kilometres, limited to the allowance.
void CalcDeemedCostClaim(TravelAllowanceState& state);

// The claim with records: the actual costs apportioned by the business share
// of the distance, or less a value-based private use when no distances at all
// are given; limited to the allowance.
void CalcActualCostClaim(TravelAllowanceState& state);

}  // namespace kelvara

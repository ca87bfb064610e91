#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ActiveTaxYear.h"
#include "DayNumber.h"
#include "FieldBounds.h"

namespace kelvara {

// One company car of the employee. Whole numbers are held as doubles.
struct CompanyCarVehicle {
    std::string CCRegNumber;  // up to 10 characters; empty locks the window
    std::string CCMake;
    std::string CCModel;
    std::string YearOfManfact;
    double CCPrice = 0;          // incl VAT
    bool MaintIncluded = false;  // bought with a maintenance plan
    DayNumber CCStartDate = ActiveTaxYear().FirstDay;
    DayNumber CCEndDate = ActiveTaxYear().LastDay;
    double EndMileage = 0;
    double StartMileage = 0;
    double TotalDistance = 0;  // typed, or derived from the readings
    double BusDistance = 0;
    bool BussMilage = false;  // a log book of business mileage was kept
    double ActualExpEmployee = 0;
    bool SARSTable = false;  // value the fuel from the deemed-cost table
    double FuelReimbEmployer = 0;
    double EmpPaidInsurance = 0;
    double EmpPaidLicence = 0;
    double EmpPaidMaintenance = 0;
    double FB3802ThisCar = 0;  // typed, or shared out from the total
    double FuelComponent = 0;
    double AdjustTaxableInc = 0;
};

// The figures of one calculation for one vehicle; cleared by every calculation.
struct CompanyCarResults {
    std::int16_t DaysOfUse = 0;
    double PrivateDistance = 0;
    double TrueInclusion = 0;  // adjusted for private mileage
    double FuelClaim = 0;
    double TotAddExpense = 0;
    double FuelExp = 0;
    double SARSDeductionClaim = 0;  // 0 or negative
    double IRP53802 = 0;
    double MonFB80 = 0;
    double MonFB20 = 0;
    double FortFB80 = 0;
    double FortFB20 = 0;
    double WeekFB80 = 0;
    double WeekFB20 = 0;
};

// The company-car calculator's list of vehicles, kept in the shared
// calculation state for the whole run. Vehicles and Results are numbered as
// the window numbers them: 1 to VehicleCount, with entry 0 the entry record
// that takes what is typed while the list is empty and that a new vehicle
// starts as a copy of.
struct CompanyCarState {
    std::int16_t VehicleCount = 0;
    std::int16_t CurrentVehicle = 0;  // on screen; 0 while the list is empty
    std::int16_t ShownVehicle = 0;    // in the caption
    bool AutoSplit3802 = false;       // share Actual3802 out by days of use
    double Actual3802 = 0;            // code 3802 total on the IRP5s, all cars
    bool DatesRejected = false;       // an end date was refused and not yet left
    bool StoppedOnScreen = false;     // the last calculation stopped at the vehicle on screen
    std::vector<CompanyCarVehicle> Vehicles{1};
    std::vector<CompanyCarResults> Results{1};
    double TotalAdjustment = 0;
    double TotalAdjustmentSARS = 0;
};

// What start-up and "Initialise All" do: the counts, the split and the code
// 3802 total become 0, so the next opening cuts the list back to entry 0. A
// refused end date stays refused.
void InitCompanyCarState(CompanyCarState& state);

// The numeric fields of the window; all whole numbers.
inline constexpr std::array<NamedFieldBounds, 12> CompanyCarFieldBounds{{
    {"CCPrice", {0, 9, 0, 999999999}},
    {"EndMileage", {0, 9, 0, 999999999}},
    {"StartMileage", {0, 9, 0, 999999999}},
    {"TotalDistance", {0, 9, 0, 999999999}},
    {"BusDistance", {0, 9, 0, 999999999}},
    {"ActualExpEmployee", {0, 9, 0, 999999999}},
    {"FuelReimbEmployer", {0, 9, 0, 999999999}},
    {"EmpPaidInsurance", {0, 9, 0, 999999999}},
    {"EmpPaidLicence", {0, 9, 0, 999999999}},
    {"EmpPaidMaintenance", {0, 9, 0, 999999999}},
    {"FB3802ThisCar", {0, 9, 0, 999999999}},
    {"Actual3802", {0, 9, 0, 999999999}},
}};

inline constexpr int RegNumberMaxLength = 10;
inline constexpr int CarTextMaxLength = 25;  // make, model, year of manufacture

// The vehicle whose fields are on screen (entry 0 while the list is empty).
CompanyCarVehicle& OnScreenVehicle(CompanyCarState& state);
const CompanyCarVehicle& OnScreenVehicle(const CompanyCarState& state);

// The fringe benefit of every vehicle and the adjustments to taxable income.
// A step that cannot be worked out (a division by zero, an overflow) is
// skipped and the calculation carries on. A vehicle on screen without a total
// distance or a price stops the calculation for all vehicles: its distances,
// code 3802 amount, fuel component and adjustment are shown (and printed) as
// 0, while the vehicle keeps what was typed for the next calculation.
void CompCarCalc(CompanyCarState& state);

// The Calculate command: a single vehicle takes the whole code 3802 total,
// then the calculation runs twice, so that the second run uses the split and
// the distances the first one derived.
void CalculateCompanyCar(CompanyCarState& state);

// The calculation before printing: every vehicle with a distance and a price
// again, without stopping at the one on screen and without the IRP5 amount and
// the benefit figures, which keep the values of the last CompCarCalc.
void PrintCalc(CompanyCarState& state);

// What the window shows for the vehicle on screen and in the totals.
struct CompanyCarShown {
    double TotalDistance = 0;
    double BusDistance = 0;
    double FB3802ThisCar = 0;
    double FuelComponent = 0;
    double AdjustTaxableInc = 0;
    CompanyCarResults Figures;  // its private distance as the total less the business distance
    double TotalAdjustment = 0;
    double TotalAdjustmentSARS = 0;
};

CompanyCarShown ShownFigures(const CompanyCarState& state);

// A vehicle as the window shows it: as stored, except that after a
// calculation stopped at the vehicle on screen its distances, code 3802
// amount, fuel component and adjustment show 0.
CompanyCarVehicle ShownVehicle(const CompanyCarState& state, int number);

}  // namespace kelvara

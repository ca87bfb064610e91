#include "CompanyCar.h"

#include <cmath>
#include <optional>

#include "DeemedCostTable.h"
#include "Rounding.h"

namespace kelvara {

namespace {

// The benefit rate a month: percent in the true inclusion, a fraction in the
// payroll figures. A maintenance plan lowers it.
double MonthlyPercent(const CompanyCarVehicle& v) {
    const CompanyCarFigures& car = ActiveTaxYear().CompanyCar;
    return v.MaintIncluded ? car.MonthlyPercentWithPlan : car.MonthlyPercentWithoutPlan;
}
double MonthlyFraction(const CompanyCarVehicle& v) { return MonthlyPercent(v) / 100; }

// The true inclusion divides by 100 × the year's days it counts (366, not 365).
double TrueInclusionDivisor() { return 100.0 * ActiveTaxYear().CompanyCar.TrueInclusionDays; }

double Rounded(double value) { return RoundHalfEven(value, 0); }

// a ÷ b, or nothing when b is 0.
std::optional<double> Divided(double a, double b) {
    if (b == 0) return std::nullopt;
    return a / b;
}

// A guarded step: a value that could not be worked out, or that overflowed,
// leaves the target as it was.
void Store(double& target, std::optional<double> value) {
    if (value && std::isfinite(*value)) target = *value;
}

double DaysBetween(const CompanyCarVehicle& v) { return static_cast<double>(v.CCEndDate - v.CCStartDate + 1); }

void ComputeDaysOfUse(const CompanyCarVehicle& v, CompanyCarResults& r) {
    if (const auto days = ToInt16(DaysBetween(v))) r.DaysOfUse = *days;
}

void DeriveTotalDistance(CompanyCarVehicle& v) {
    if (v.EndMileage > 0) v.TotalDistance = v.EndMileage - v.StartMileage;
}

// The days of use of all vehicles together, over which the code 3802 total is
// shared out. The dates do not change during a calculation, so it is summed
// once per calculation.
double AllDaysOfUse(const CompanyCarState& state) {
    double allDays = 0;
    for (int n = 1; n <= state.VehicleCount; ++n) allDays += DaysBetween(state.Vehicles[n]);
    return allDays;
}

// The private and business shares of vehicle i and the adjustments that
// follow from them.
void ComputeShares(CompanyCarState& state, int i, double allDays) {
    CompanyCarVehicle& v = state.Vehicles[i];
    CompanyCarResults& r = state.Results[i];

    if (v.BusDistance > v.TotalDistance) v.BusDistance = v.TotalDistance;
    r.PrivateDistance = v.TotalDistance - v.BusDistance;
    const double privateShare = r.PrivateDistance;

    if (state.AutoSplit3802) {
        if (v.TotalDistance == 0 || v.CCPrice == 0) {
            v.FB3802ThisCar = 0;
        } else if (const auto part = Divided(r.DaysOfUse, allDays)) {
            Store(v.FB3802ThisCar, *part * state.Actual3802);
        }
    }

    const double fullInclusion = MonthlyPercent(v) * 12 / TrueInclusionDivisor() * v.CCPrice * r.DaysOfUse;
    if (v.BussMilage) {
        if (const auto share = Divided(privateShare, v.TotalDistance)) {
            Store(r.TrueInclusion, Rounded(fullInclusion * *share));
        }
    } else {
        Store(r.TrueInclusion, Rounded(fullInclusion));
    }

    double fuelBorne = v.ActualExpEmployee;
    if (v.SARSTable) {
        Store(v.FuelComponent, Rounded(v.TotalDistance * LookupDeemedCost(v.CCPrice).FuelPerKm));
        fuelBorne = v.FuelComponent;
    } else {
        v.FuelComponent = 0;
    }
    if (const auto claim = Divided((fuelBorne - v.FuelReimbEmployer) * privateShare, v.TotalDistance)) {
        Store(r.FuelClaim, Rounded(*claim));
    }

    const double expenses = v.EmpPaidInsurance + v.EmpPaidLicence + v.EmpPaidMaintenance;
    if (const auto part = Divided(expenses * privateShare, v.TotalDistance)) Store(r.TotAddExpense, Rounded(*part));

    r.FuelExp = v.BusDistance > 0 ? Rounded(r.FuelClaim + r.TotAddExpense) : 0;

    Store(v.AdjustTaxableInc, Rounded(r.TrueInclusion - r.FuelExp - v.FB3802ThisCar));
    if (v.AdjustTaxableInc < -state.Actual3802) v.AdjustTaxableInc = -state.Actual3802;

    if (v.BusDistance > 0 && v.TotalDistance > 0 && v.BussMilage) {
        Store(r.SARSDeductionClaim, -(v.BusDistance / v.TotalDistance * v.FB3802ThisCar + r.FuelExp));
    } else {
        r.SARSDeductionClaim = 0;
    }
}

// The code 3802 amount for the period of use and the payroll benefit figures.
// The monthly figures are rounded after taking 80% or 20%, the fortnightly and
// weekly ones before.
void ComputeBenefits(const CompanyCarVehicle& v, CompanyCarResults& r) {
    const TaxYearData& year = ActiveTaxYear();
    const double higher = year.Inclusion.Higher, lower = year.Inclusion.Lower;
    const double rate = MonthlyFraction(v);
    Store(r.IRP53802, Rounded(v.CCPrice * rate * 12 * r.DaysOfUse / year.CompanyCar.BenefitDays));
    Store(r.MonFB80, Rounded(v.CCPrice * rate * higher));
    Store(r.MonFB20, Rounded(v.CCPrice * rate * lower));
    const double fortnight = Rounded(v.CCPrice * rate * 12 / 26);
    Store(r.FortFB80, fortnight * higher);
    Store(r.FortFB20, fortnight * lower);
    const double week = Rounded(v.CCPrice * rate * 12 / 52);
    Store(r.WeekFB80, week * higher);
    Store(r.WeekFB20, week * lower);
}

void SumTotals(CompanyCarState& state) {
    state.TotalAdjustment = 0;
    state.TotalAdjustmentSARS = 0;
    for (int i = 1; i <= state.VehicleCount; ++i) {
        state.TotalAdjustment += ShownVehicle(state, i).AdjustTaxableInc;
        state.TotalAdjustmentSARS += state.Results[i].SARSDeductionClaim;
    }
}

}  // namespace

void InitCompanyCarState(CompanyCarState& state) {
    state.VehicleCount = 0;
    state.CurrentVehicle = 0;
    state.ShownVehicle = 0;
    state.AutoSplit3802 = false;
    state.Actual3802 = 0;
}

CompanyCarVehicle& OnScreenVehicle(CompanyCarState& state) { return state.Vehicles.at(state.CurrentVehicle); }

const CompanyCarVehicle& OnScreenVehicle(const CompanyCarState& state) {
    return state.Vehicles.at(state.CurrentVehicle);
}

void CompCarCalc(CompanyCarState& state) {
    state.Results.assign(state.Vehicles.size(), CompanyCarResults{});
    state.StoppedOnScreen = false;
    CompanyCarVehicle& current = OnScreenVehicle(state);

    // Every total comes from the readings first: the vehicle on screen must not
    // count as without distance (and lose its business distance) only because
    // the vehicles before it are computed first.
    for (int i = 1; i <= state.VehicleCount; ++i) DeriveTotalDistance(state.Vehicles[i]);
    const double allDays = AllDaysOfUse(state);
    for (int i = 1; i <= state.VehicleCount; ++i) {
        CompanyCarVehicle& v = state.Vehicles[i];
        ComputeDaysOfUse(v, state.Results[i]);
        if (current.TotalDistance == 0 || current.CCPrice == 0) {
            state.StoppedOnScreen = true;
            SumTotals(state);
            return;
        }
        ComputeShares(state, i, allDays);
        ComputeBenefits(v, state.Results[i]);
    }

    // Only an empty list, where nothing was computed, has no price on screen.
    if (current.CCPrice == 0) current.AdjustTaxableInc = state.Results[state.CurrentVehicle].SARSDeductionClaim;
    SumTotals(state);
}

void CalculateCompanyCar(CompanyCarState& state) {
    if (state.VehicleCount == 1) state.Vehicles[1].FB3802ThisCar = Rounded(state.Actual3802);
    CompCarCalc(state);
    CompCarCalc(state);
}

void PrintCalc(CompanyCarState& state) {
    state.Results.resize(state.Vehicles.size());
    for (CompanyCarResults& r : state.Results) {
        r.PrivateDistance = 0;
        r.TrueInclusion = 0;
        r.FuelClaim = 0;
        r.TotAddExpense = 0;
        r.FuelExp = 0;
        r.DaysOfUse = 0;
    }
    const double allDays = AllDaysOfUse(state);
    for (int i = 1; i <= state.VehicleCount; ++i) {
        CompanyCarVehicle& v = state.Vehicles[i];
        ComputeDaysOfUse(v, state.Results[i]);
        if (v.TotalDistance == 0 || v.CCPrice == 0) continue;
        DeriveTotalDistance(v);
        ComputeShares(state, i, allDays);
    }
}

CompanyCarVehicle ShownVehicle(const CompanyCarState& state, int number) {
    CompanyCarVehicle v = state.Vehicles.at(number);
    if (state.StoppedOnScreen && number == state.CurrentVehicle) {
        v.TotalDistance = 0;
        v.BusDistance = 0;
        v.FB3802ThisCar = 0;
        v.FuelComponent = 0;
        v.AdjustTaxableInc = 0;
    }
    return v;
}

CompanyCarShown ShownFigures(const CompanyCarState& state) {
    const CompanyCarVehicle v = ShownVehicle(state, state.CurrentVehicle);
    CompanyCarShown shown{v.TotalDistance,       v.BusDistance,
                          v.FB3802ThisCar,       v.FuelComponent,
                          v.AdjustTaxableInc,    state.Results.at(state.CurrentVehicle),
                          state.TotalAdjustment, state.TotalAdjustmentSARS};
    shown.Figures.PrivateDistance = v.TotalDistance - v.BusDistance;
    return shown;
}

}  // namespace kelvara

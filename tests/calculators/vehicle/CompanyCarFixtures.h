#pragma once
#include <string>
#include <vector>

#include "CompanyCar.h"

namespace kelvara::testing {

// The 300000 car of the examples: a full year, 30000 km of which 12000 on
// business, a log book and the fuel table, with the employee's costs.
inline CompanyCarVehicle ExampleCar() {
    CompanyCarVehicle v;
    v.CCRegNumber = "CA 123-456";
    v.CCPrice = 300000;
    v.EndMileage = 50000;
    v.StartMileage = 20000;
    v.BusDistance = 12000;
    v.BussMilage = true;
    v.SARSTable = true;
    v.FuelReimbEmployer = 10000;
    v.EmpPaidInsurance = 6000;
    v.EmpPaidLicence = 1000;
    v.EmpPaidMaintenance = 5000;
    return v;
}

// The example car with the given change.
template <class Change>
CompanyCarVehicle ExampleCar(Change change) {
    CompanyCarVehicle v = ExampleCar();
    change(v);
    return v;
}

inline CompanyCarVehicle Registered(const std::string& registration) {
    return ExampleCar([&](CompanyCarVehicle& v) { v.CCRegNumber = registration; });
}

// A list of the given vehicles with the first on screen.
inline CompanyCarState ListOf(std::vector<CompanyCarVehicle> vehicles, double actual3802) {
    CompanyCarState state;
    state.Vehicles.insert(state.Vehicles.end(), vehicles.begin(), vehicles.end());
    state.VehicleCount = static_cast<std::int16_t>(vehicles.size());
    state.CurrentVehicle = vehicles.empty() ? 0 : 1;
    state.ShownVehicle = state.CurrentVehicle;
    state.Actual3802 = actual3802;
    return state;
}

// The window's caption with the given vehicle of the list on screen.
inline std::string CarListCaption(int vehicle, int of) {
    return "Full use of Company Car :  Vehicle number " + std::to_string(vehicle) + " of " + std::to_string(of);
}

// The example cars "A", "B" and "C".
inline CompanyCarState ThreeCars(double actual3802) {
    return ListOf({Registered("A"), Registered("B"), Registered("C")}, actual3802);
}

}  // namespace kelvara::testing

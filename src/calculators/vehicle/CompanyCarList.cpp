#include "CompanyCarList.h"

#include <limits>

#include "PeriodDates.h"

namespace kelvara {

namespace {

// Puts a vehicle on screen. The fields' change handling stores every value
// back, and the fuel-table box clears the fuel figure it makes unused.
void LoadVehicle(CompanyCarState& state, std::int16_t number) {
    state.CurrentVehicle = number;
    SetFuelTable(state, OnScreenVehicle(state).SARSTable);
}

// A new vehicle starts as the entry record, without fuel table or log book,
// for the whole tax year and with no year of manufacture.
CompanyCarVehicle NewVehicleFrom(const CompanyCarVehicle& entry) {
    CompanyCarVehicle vehicle = entry;
    vehicle.SARSTable = false;
    vehicle.FuelComponent = 0;
    vehicle.BussMilage = false;
    vehicle.CCStartDate = ActiveTaxYear().FirstDay;
    vehicle.CCEndDate = ActiveTaxYear().LastDay;
    vehicle.YearOfManfact.clear();
    return vehicle;
}

void ShowVehicle(CompanyCarState& state, std::int16_t number) {
    LoadVehicle(state, number);
    state.ShownVehicle = number;
}

}  // namespace

void OpenCompanyCarList(CompanyCarState& state) {
    if (state.VehicleCount < 1) {
        state.ShownVehicle = 0;
        state.CurrentVehicle = 0;
        state.AutoSplit3802 = false;
        state.VehicleCount = 0;
        state.Vehicles.resize(1);
        state.Results.resize(1);
        CompanyCarVehicle& entry = state.Vehicles[0];
        entry.BussMilage = false;
        entry.SARSTable = false;
        entry.CCStartDate = ActiveTaxYear().FirstDay;
        entry.CCEndDate = ActiveTaxYear().LastDay;
        LoadVehicle(state, 0);
        return;
    }
    LoadVehicle(state, 1);
    CompCarCalc(state);
    state.ShownVehicle = 1;
}

bool AddVehicle(CompanyCarState& state) {
    if (state.CurrentVehicle != 0 && OnScreenVehicle(state).CCRegNumber.empty()) return false;
    if (state.VehicleCount == std::numeric_limits<std::int16_t>::max()) return false;
    CompCarCalc(state);

    const auto number = static_cast<std::int16_t>(state.VehicleCount + 1);
    state.Vehicles[0].SARSTable = false;
    state.Vehicles.resize(number);
    state.Vehicles.push_back(NewVehicleFrom(state.Vehicles[0]));
    state.Results.resize(number + 1);
    state.VehicleCount = number;
    state.CurrentVehicle = number;
    if (state.VehicleCount > 1) state.AutoSplit3802 = true;

    state.ShownVehicle = number;
    CompCarCalc(state);
    return true;
}

void MoveBack(CompanyCarState& state) {
    CompCarCalc(state);
    const std::int16_t shown = state.ShownVehicle;
    if (shown >= 1 && shown <= state.VehicleCount) {
        ShowVehicle(state, shown == 1 ? state.VehicleCount : static_cast<std::int16_t>(shown - 1));
    }
    CompCarCalc(state);
}

void MoveForward(CompanyCarState& state) {
    CompCarCalc(state);
    const std::int16_t shown = state.ShownVehicle;
    if (state.VehicleCount >= 1 && shown <= state.VehicleCount) {
        ShowVehicle(state, shown >= state.VehicleCount ? std::int16_t{1} : static_cast<std::int16_t>(shown + 1));
    }
    CompCarCalc(state);
}

void DeleteVehicle(CompanyCarState& state) {
    const std::int16_t current = state.CurrentVehicle;
    if (current < 1 || current > state.VehicleCount) return;

    state.Vehicles.erase(state.Vehicles.begin() + current);
    state.Results.resize(state.Vehicles.size());
    --state.VehicleCount;
    state.Vehicles[0] = CompanyCarVehicle{};

    if (state.VehicleCount >= 1) {
        ShowVehicle(state, 1);
    } else {
        state.ShownVehicle = 0;
        state.Actual3802 = 0;
        LoadVehicle(state, 0);
    }
    CompCarCalc(state);
}

std::string CompanyCarCaption(const CompanyCarState& state) {
    return std::string("Full use of Company Car : ") + " Vehicle number " + std::to_string(state.ShownVehicle) +
           " of " + std::to_string(state.VehicleCount);
}

void SetFuelTable(CompanyCarState& state, bool useTable) {
    CompanyCarVehicle& vehicle = OnScreenVehicle(state);
    vehicle.SARSTable = useTable;
    if (useTable) {
        vehicle.ActualExpEmployee = 0;
    } else {
        vehicle.FuelComponent = 0;
    }
}

void MarkEndDateRejected(CompanyCarState& state) { state.DatesRejected = true; }

void EndDateLeft(CompanyCarState& state) { state.DatesRejected = false; }

std::optional<Refusal> CloseCompanyCarList(CompanyCarState& state) {
    if (state.DatesRejected) {
        return Refusal{PeriodDates::IncorrectDateTitle, PeriodDates::CompanyCarDatesMessage()};
    }
    CompCarCalc(state);
    return std::nullopt;
}

}  // namespace kelvara

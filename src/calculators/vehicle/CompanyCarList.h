#pragma once
#include <optional>
#include <string>

#include "CompanyCar.h"
#include "Refusal.h"

namespace kelvara {

// The company-car window's list commands as operations on the state; each
// runs the calculations the window runs with it.

// Opening the window: an empty list is cut back to a fresh entry record and
// nothing is computed; otherwise vehicle 1 comes on screen and is computed.
void OpenCompanyCarList(CompanyCarState& state);

// Adds a vehicle filled from the entry record and puts it on screen. Does
// nothing (and returns false) while the vehicle on screen has no registration
// number, or when the list is full. From the second vehicle on, the code 3802
// total is shared out by days of use.
bool AddVehicle(CompanyCarState& state);

// Pages to the previous or next vehicle, going round at either end.
void MoveBack(CompanyCarState& state);
void MoveForward(CompanyCarState& state);

// Removes the vehicle on screen without asking and shows vehicle 1; the last
// one leaves an empty list and clears the code 3802 total.
void DeleteVehicle(CompanyCarState& state);

// "Full use of Company Car :  Vehicle number 2 of 3".
std::string CompanyCarCaption(const CompanyCarState& state);

// Ticking "Or use SARS's cents/km fuel table?" clears the actual fuel
// expenses; clearing it clears the fuel component.
void SetFuelTable(CompanyCarState& state, bool useTable);

// One of the end-date field's range errors marks the dates as rejected until
// the field loses the focus; the window may not close meanwhile.
void MarkEndDateRejected(CompanyCarState& state);
void EndDateLeft(CompanyCarState& state);

// Closing the window: refused while the dates are rejected, otherwise the
// vehicles are computed once more.
std::optional<Refusal> CloseCompanyCarList(CompanyCarState& state);

}  // namespace kelvara

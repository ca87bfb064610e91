#include "CompanyCarReport.h"

#include <cstdint>
#include <string>

namespace kelvara {

namespace {

std::string YesNo(bool flag) { return flag ? "Yes" : "No"; }

FieldValues RowOf(const CompanyCarState& state, int number) {
    const CompanyCarVehicle v = ShownVehicle(state, number);
    const CompanyCarResults& r = state.Results[number];
    const bool priced = v.CCPrice != 0;
    return {
        {"CarNum", static_cast<std::int16_t>(number)},
        {"CMVMaxNum", state.VehicleCount},
        {"CCRegNumber", v.CCRegNumber},
        {"CCMake", v.CCMake},
        {"CCModel", v.CCModel},
        {"CCPrice", v.CCPrice},
        {"MaintIncluded", YesNo(v.MaintIncluded)},
        {"CCMonths", static_cast<double>(v.CCEndDate - v.CCStartDate + 1)},
        {"EndMileage", v.EndMileage},
        {"StartMileage", v.StartMileage},
        {"TotalDistance", v.TotalDistance},
        {"BusDistance", v.BusDistance},
        {"ActualExpEmployee", v.ActualExpEmployee},
        {"SARSTable", YesNo(v.SARSTable)},
        {"FuelReimbEmployer", v.FuelReimbEmployer},
        {"EmpPaidInsurance", v.EmpPaidInsurance},
        {"EmpPaidLicence", v.EmpPaidLicence},
        {"EmpPaidMaintenance", v.EmpPaidMaintenance},
        {"Actual3802", state.Actual3802},
        {"FB3802ThisCar", v.FB3802ThisCar},
        {"AdjustTaxableInc", priced ? v.AdjustTaxableInc : r.SARSDeductionClaim},
        {"SARSDeductionClaim", r.SARSDeductionClaim},
        {"TrueInclusion", priced ? r.TrueInclusion : 0.0},
        {"PrivateDistance", r.PrivateDistance},
        {"FuelComponent", v.FuelComponent},
        {"Arr_FuelClaim", r.FuelClaim},
        {"TotAddExpense", r.TotAddExpense},
        {"FuelExp", r.FuelExp},
        {"BussMilage", YesNo(v.BussMilage)},
        {"YearOfManfact", v.YearOfManfact},
        {"CCStartDate", FormatDate(v.CCStartDate)},
        {"CCEndDate", FormatDate(v.CCEndDate)},
        {"IRP53802", r.IRP53802},
        {"MonFB80", r.MonFB80},
        {"MonFB20", r.MonFB20},
        {"FortFB80", r.FortFB80},
        {"FortFB20", r.FortFB20},
        {"WeekFB80", r.WeekFB80},
        {"WeekFB20", r.WeekFB20},
        // The totals over all vehicles, as the window shows them, in every row.
        {"TotAdjustTaxableInc", state.TotalAdjustment},
        {"TotAdjustTaxableIncSARS", state.TotalAdjustmentSARS},
    };
}

}  // namespace

std::vector<FieldValues> CompanyCarPrintRows(CompanyCarState& state) {
    PrintCalc(state);
    std::vector<FieldValues> rows;
    for (int i = 1; i <= state.VehicleCount; ++i) rows.push_back(RowOf(state, i));
    return rows;
}

}  // namespace kelvara

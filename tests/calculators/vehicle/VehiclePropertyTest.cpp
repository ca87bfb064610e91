#include <gtest/gtest.h>

#include <tuple>

#include "CarAllowance.h"
#include "CompanyCar.h"
#include "RandomInputs.h"

namespace kelvara::testing {
namespace {

// A period inside the tax year, the end not before the start, as the date
// fields allow it; a full year now and then.
std::pair<DayNumber, DayNumber> RandomPeriod(RandomInputs& random) {
    if (random.Chance(0.2)) return {ActiveTaxYear().FirstDay, ActiveTaxYear().LastDay};
    const DayNumber start = random.Between("start", ActiveTaxYear().FirstDay, ActiveTaxYear().LastDay);
    return {start, random.Between("end", start, ActiveTaxYear().LastDay)};
}

double& StateField(TravelAllowanceState& state, int index) {
    double* const fields[] = {&state.VehicleValue,       &state.AllowanceReceived, &state.ClosingKm,
                              &state.OpeningKm,          &state.BusinessKm,        &state.FuelOil,
                              &state.RepairsMaintenance, &state.InsuranceLicence,  &state.OtherExpenses,
                              &state.WearAndTear,        &state.LeasePayments};
    return *fields[index];
}

// Every car allowance the window's fields accept gives a claim it can show.
TEST(CarAllowanceProperty, EveryAcceptedInputShowsFigures) {
    RandomInputs random(7101);
    for (int i = 0; i < 5000; ++i) {
        random.NextCase();
        TravelAllowanceState state;
        state.RecordsKept = random.Flag("records");
        state.IncludeFuel = random.Flag("fuel");
        state.IncludeMaintenance = random.Flag("maintenance");
        for (int f = 0; f < 11; ++f) StateField(state, f) = random.Field(CarAllowanceFieldBounds[f]);
        // Wear and tear and lease payments exclude each other.
        if (SinglePaymentRefusal(state.LeasePayments, state.WearAndTear)) state.LeasePayments = 0;
        const auto [start, end] = RandomPeriod(random);
        SCOPED_TRACE(random.Trace());

        RecalculateTravelAllowance(state, start, end);

        EXPECT_GE(state.PeriodDays, 1);
        EXPECT_LE(state.PeriodDays, 365);
        ExpectShown({{"total distance", state.DistanceTotal},
                     {"business distance", state.DistanceBusiness},
                     {"private distance", state.DistancePrivate},
                     {"total costs", state.TotalCosts},
                     {"private use", state.PrivateUse},
                     {"claim", state.DeductionClaim},
                     {"fixed cost", state.FixedCost},
                     {"fixed cents", state.FixedCentsPerKm},
                     {"fuel cents", state.FuelCentsPerKm},
                     {"maintenance cents", state.MaintenanceCentsPerKm},
                     {"total cents", state.TotalCentsPerKm, 1}});
        if (HasFailure()) return;
    }
}

CompanyCarVehicle RandomCar(RandomInputs& random) {
    const auto amount = [&random](int index) { return random.Field(CompanyCarFieldBounds[index]); };
    CompanyCarVehicle v;
    v.CCRegNumber = "CAR";
    v.CCPrice = amount(0);
    v.MaintIncluded = random.Flag("maintenance");
    std::tie(v.CCStartDate, v.CCEndDate) = RandomPeriod(random);
    v.EndMileage = amount(1);
    v.StartMileage = amount(2);
    v.TotalDistance = amount(3);
    v.BusDistance = amount(4);
    v.BussMilage = random.Flag("log book");
    v.SARSTable = random.Flag("fuel table");
    v.ActualExpEmployee = v.SARSTable ? 0 : amount(5);
    v.FuelReimbEmployer = amount(6);
    v.EmpPaidInsurance = amount(7);
    v.EmpPaidLicence = amount(8);
    v.EmpPaidMaintenance = amount(9);
    v.FB3802ThisCar = amount(10);
    return v;
}

void ExpectShownCar(const CompanyCarVehicle& v, const CompanyCarResults& r) {
    ExpectShown({{"total distance", v.TotalDistance},
                 {"business distance", v.BusDistance},
                 {"3802 this car", v.FB3802ThisCar},
                 {"fuel component", v.FuelComponent},
                 {"adjustment", v.AdjustTaxableInc},
                 {"private distance", r.PrivateDistance},
                 {"true inclusion", r.TrueInclusion},
                 {"fuel claim", r.FuelClaim},
                 {"additional expense", r.TotAddExpense},
                 {"fuel expense", r.FuelExp},
                 {"SARS deduction", r.SARSDeductionClaim},
                 {"IRP5 3802", r.IRP53802},
                 {"monthly 80", r.MonFB80},
                 {"monthly 20", r.MonFB20},
                 {"fortnightly 80", r.FortFB80},
                 {"fortnightly 20", r.FortFB20},
                 {"weekly 80", r.WeekFB80},
                 {"weekly 20", r.WeekFB20}});
    EXPECT_GE(r.DaysOfUse, 1);
    EXPECT_LE(r.DaysOfUse, 365);
}

// Every list of one to four company cars the window's fields accept gives
// figures it can show, on Calculate and before printing.
TEST(CompanyCarProperty, EveryAcceptedListShowsFigures) {
    RandomInputs random(7201);
    for (int i = 0; i < 3000; ++i) {
        random.NextCase();
        CompanyCarState state;
        state.VehicleCount = static_cast<std::int16_t>(random.Between("vehicles", 1, 4));
        for (int n = 1; n <= state.VehicleCount; ++n) state.Vehicles.push_back(RandomCar(random));
        state.CurrentVehicle = state.ShownVehicle =
            static_cast<std::int16_t>(random.Between("on screen", 1, state.VehicleCount));
        state.AutoSplit3802 = state.VehicleCount > 1;
        state.Actual3802 = random.Field(CompanyCarFieldBounds[11]);
        SCOPED_TRACE(random.Trace());

        CalculateCompanyCar(state);
        const CompanyCarShown shown = ShownFigures(state);
        ExpectShown({{"total adjustment", shown.TotalAdjustment}, {"total SARS", shown.TotalAdjustmentSARS}});
        // A vehicle on screen without a distance or price stops the calculation
        // before the vehicles after it are computed.
        const bool computed = shown.TotalDistance != 0 && OnScreenVehicle(state).CCPrice != 0;
        for (int n = 1; n <= state.VehicleCount && computed; ++n) ExpectShownCar(state.Vehicles[n], state.Results[n]);

        PrintCalc(state);
        for (int n = 1; n <= state.VehicleCount; ++n) {
            ExpectShown({{"print private distance", state.Results[n].PrivateDistance},
                         {"print adjustment", state.Vehicles[n].AdjustTaxableInc},
                         {"print fuel expense", state.Results[n].FuelExp}});
        }
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace kelvara::testing

#include <gtest/gtest.h>

#include "CompanyCar.h"
#include "CompanyCarFixtures.h"

namespace kelvara {
namespace {

using testing::ExampleCar;
using testing::ListOf;

TEST(CompanyCar, OneCarWithALogBookAndTheFuelTable) {
    CompanyCarState s = ListOf({ExampleCar()}, 126000);
    CalculateCompanyCar(s);
    const CompanyCarVehicle& v = s.Vehicles[1];
    const CompanyCarResults& r = s.Results[1];
    EXPECT_EQ(v.FB3802ThisCar, 126000);
    EXPECT_EQ(v.TotalDistance, 30000);
    EXPECT_EQ(r.DaysOfUse, 365);
    EXPECT_EQ(r.PrivateDistance, 18000);
    EXPECT_EQ(r.TrueInclusion, 75393);
    EXPECT_EQ(v.FuelComponent, 48360);
    EXPECT_EQ(r.FuelClaim, 23016);
    EXPECT_EQ(r.TotAddExpense, 7200);
    EXPECT_EQ(r.FuelExp, 30216);
    EXPECT_EQ(v.AdjustTaxableInc, -80823);
    EXPECT_DOUBLE_EQ(r.SARSDeductionClaim, -80616);
    EXPECT_EQ(s.TotalAdjustment, -80823);
    EXPECT_DOUBLE_EQ(s.TotalAdjustmentSARS, -80616);
}

struct BenefitCase {
    const char* Name;
    bool LogBook, MaintenancePlan;
    double TrueInclusion, IRP5, Mon80, Mon20, Fort80, Fort20, Week80, Week20;
};

class CompanyCarBenefits : public ::testing::TestWithParam<BenefitCase> {};

TEST_P(CompanyCarBenefits, FollowTheRateAndTheDivisors) {
    const BenefitCase c = GetParam();
    CompanyCarVehicle car = ExampleCar();
    car.BussMilage = c.LogBook;
    car.MaintIncluded = c.MaintenancePlan;
    CompanyCarState s = ListOf({car}, 126000);
    CalculateCompanyCar(s);
    const CompanyCarResults& r = s.Results[1];
    EXPECT_EQ(r.TrueInclusion, c.TrueInclusion) << c.Name;
    EXPECT_EQ(r.IRP53802, c.IRP5) << c.Name;
    EXPECT_EQ(r.MonFB80, c.Mon80) << c.Name;
    EXPECT_EQ(r.MonFB20, c.Mon20) << c.Name;
    EXPECT_NEAR(r.FortFB80, c.Fort80, 1e-9) << c.Name;
    EXPECT_NEAR(r.FortFB20, c.Fort20, 1e-9) << c.Name;
    EXPECT_NEAR(r.WeekFB80, c.Week80, 1e-9) << c.Name;
    EXPECT_NEAR(r.WeekFB20, c.Week20, 1e-9) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CompanyCarBenefits,
    ::testing::Values(BenefitCase{"log book", true, false, 75393, 126000, 8400, 2100, 3876.8, 969.2, 1938.4, 484.6},
                      BenefitCase{"no log book", false, false, 125656, 126000, 8400, 2100, 3876.8, 969.2, 1938.4,
                                  484.6},
                      BenefitCase{"maintenance plan", false, true, 116680, 117000, 7800, 1950, 3600, 900, 1800, 450}));

TEST(CompanyCar, BusinessDistanceBeyondTheTotalIsCutBackAndStored) {
    CompanyCarVehicle car = ExampleCar();
    car.BusDistance = 40000;
    CompanyCarState s = ListOf({car}, 126000);
    CompCarCalc(s);
    EXPECT_EQ(s.Vehicles[1].BusDistance, 30000);
    EXPECT_EQ(s.Results[1].PrivateDistance, 0);
}

TEST(CompanyCar, AutoSplitSharesTheTotalByDaysOfUse) {
    CompanyCarVehicle second = ExampleCar();
    second.CCStartDate = ActiveTaxYear().FirstDay + 184;  // 01/09/2026: 181 days
    CompanyCarState s = ListOf({ExampleCar(), second}, 126000);
    s.AutoSplit3802 = true;
    CalculateCompanyCar(s);
    EXPECT_EQ(s.Results[2].DaysOfUse, 181);
    EXPECT_DOUBLE_EQ(s.Vehicles[1].FB3802ThisCar, 365.0 / 546 * 126000);
    EXPECT_DOUBLE_EQ(s.Vehicles[2].FB3802ThisCar, 181.0 / 546 * 126000);
    EXPECT_NEAR(s.Vehicles[1].FB3802ThisCar, 84230.769, 1e-3);
    EXPECT_NEAR(s.Vehicles[2].FB3802ThisCar, 41769.231, 1e-3);
}

TEST(CompanyCar, AdjustmentIsNotBelowMinusTheCode3802Total) {
    CompanyCarVehicle car = ExampleCar();
    car.FB3802ThisCar = 200000;  // typed on the second car, larger than the total
    CompanyCarState s = ListOf({ExampleCar(), car}, 126000);
    CompCarCalc(s);
    EXPECT_EQ(s.Vehicles[2].AdjustTaxableInc, -126000);
}

TEST(CompanyCar, AVehicleWithoutDistanceSkipsTheStepsThatDivideByIt) {
    CompanyCarVehicle still = ExampleCar();
    still.EndMileage = 0;
    still.StartMileage = 0;
    still.BusDistance = 0;
    still.FB3802ThisCar = 1000;
    CompanyCarState s = ListOf({ExampleCar(), still}, 126000);  // the first car on screen
    CompCarCalc(s);
    const CompanyCarResults& r = s.Results[2];
    EXPECT_EQ(r.DaysOfUse, 365);
    EXPECT_EQ(r.TrueInclusion, 0);  // log book: divides by the distance
    EXPECT_EQ(r.FuelClaim, 0);
    EXPECT_EQ(r.TotAddExpense, 0);
    EXPECT_EQ(s.Vehicles[2].FuelComponent, 0);
    EXPECT_EQ(s.Vehicles[2].AdjustTaxableInc, -1000);  // the steps after them still run
    EXPECT_EQ(r.IRP53802, 126000);
    EXPECT_EQ(s.TotalAdjustment, s.Vehicles[1].AdjustTaxableInc - 1000);
}

TEST(CompanyCar, AVehicleOnScreenWithoutAPriceStopsEveryVehicle) {
    CompanyCarVehicle unpriced = ExampleCar();
    unpriced.CCPrice = 0;
    unpriced.FB3802ThisCar = 5000;
    unpriced.AdjustTaxableInc = 77;
    CompanyCarState s = ListOf({ExampleCar(), unpriced}, 126000);
    s.Vehicles[1].AdjustTaxableInc = -100;
    s.CurrentVehicle = 2;
    CompCarCalc(s);
    EXPECT_EQ(s.Results[1].TrueInclusion, 0);
    EXPECT_EQ(s.Results[1].IRP53802, 0);
    const CompanyCarShown shown = ShownFigures(s);
    EXPECT_EQ(shown.TotalDistance, 0);
    EXPECT_EQ(shown.BusDistance, 0);
    EXPECT_EQ(shown.FB3802ThisCar, 0);
    EXPECT_EQ(shown.AdjustTaxableInc, 0);
    EXPECT_EQ(s.Vehicles[2].TotalDistance, 30000);  // shown as 0, kept for when it has a price
    EXPECT_EQ(s.Vehicles[2].FB3802ThisCar, 5000);
    EXPECT_EQ(shown.TotalAdjustment, -100);
    EXPECT_EQ(shown.TotalAdjustmentSARS, 0);
}

TEST(CompanyCar, AnEmptyListComputesNothing) {
    CompanyCarState s;
    s.Vehicles[0].CCPrice = 250000;
    s.Vehicles[0].TotalDistance = 1000;
    s.Vehicles[0].AdjustTaxableInc = 55;
    CompCarCalc(s);
    EXPECT_EQ(s.Vehicles[0].AdjustTaxableInc, 55);
    EXPECT_EQ(s.TotalAdjustment, 0);
    s.Vehicles[0].CCPrice = 0;
    CompCarCalc(s);
    EXPECT_EQ(s.Vehicles[0].AdjustTaxableInc, 0);  // takes the SARS claim, 0
}

TEST(CompanyCar, ActualFuelCostsWithoutTheTable) {
    CompanyCarVehicle car = ExampleCar();
    car.SARSTable = false;
    car.FuelComponent = 999;
    car.ActualExpEmployee = 40000;
    CompanyCarState s = ListOf({car}, 126000);
    CompCarCalc(s);
    EXPECT_EQ(s.Vehicles[1].FuelComponent, 0);
    EXPECT_EQ(s.Results[1].FuelClaim, 18000);  // (40000 - 10000) x 18000 / 30000
}

TEST(CompanyCar, PrintCalcRecomputesEveryPricedVehicleButNotTheBenefits) {
    CompanyCarVehicle unpriced = ExampleCar();
    unpriced.CCPrice = 0;
    CompanyCarState s = ListOf({ExampleCar(), unpriced}, 126000);
    CompCarCalc(s);
    const double irp5 = s.Results[1].IRP53802;
    s.Vehicles[1].BussMilage = false;
    s.Vehicles[2].AdjustTaxableInc = 12;
    PrintCalc(s);
    EXPECT_EQ(s.Results[1].TrueInclusion, 125656);
    EXPECT_EQ(s.Results[1].IRP53802, irp5);
    EXPECT_EQ(s.Results[2].TrueInclusion, 0);
    EXPECT_EQ(s.Vehicles[2].AdjustTaxableInc, 12);  // skipped: keeps its last value
}

TEST(CompanyCar, ResetKeepsTheRejectedDates) {
    CompanyCarState s = ListOf({ExampleCar()}, 126000);
    s.AutoSplit3802 = true;
    s.DatesRejected = true;
    InitCompanyCarState(s);
    EXPECT_EQ(s.VehicleCount, 0);
    EXPECT_EQ(s.CurrentVehicle, 0);
    EXPECT_EQ(s.ShownVehicle, 0);
    EXPECT_FALSE(s.AutoSplit3802);
    EXPECT_EQ(s.Actual3802, 0);
    EXPECT_TRUE(s.DatesRejected);
}

}  // namespace
}  // namespace kelvara

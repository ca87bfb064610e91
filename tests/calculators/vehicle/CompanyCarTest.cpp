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
    EXPECT_EQ(std::tuple(v.FB3802ThisCar, v.TotalDistance, r.DaysOfUse, r.PrivateDistance, r.TrueInclusion),
              std::tuple(126000, 30000, 365, 18000, 75393));
    EXPECT_EQ(
        std::tuple(v.FuelComponent, r.FuelClaim, r.TotAddExpense, r.FuelExp, v.AdjustTaxableInc, s.TotalAdjustment),
        std::tuple(48360, 23016, 7200, 30216, -80823, -80823));
    EXPECT_DOUBLE_EQ(r.SARSDeductionClaim, -80616);
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
    CompanyCarState s =
        ListOf({ExampleCar([&](auto& v) { v.BussMilage = c.LogBook, v.MaintIncluded = c.MaintenancePlan; })}, 126000);
    CalculateCompanyCar(s);
    const CompanyCarResults& r = s.Results[1];
    EXPECT_EQ(std::tuple(r.TrueInclusion, r.IRP53802, r.MonFB80, r.MonFB20),
              std::tuple(c.TrueInclusion, c.IRP5, c.Mon80, c.Mon20))
        << c.Name;
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
    CompanyCarState s = ListOf({ExampleCar([](auto& v) { v.BusDistance = 40000; })}, 126000);
    CompCarCalc(s);
    EXPECT_EQ(std::tuple(s.Vehicles[1].BusDistance, s.Results[1].PrivateDistance), std::tuple(30000, 0));
}

TEST(CompanyCar, AutoSplitSharesTheTotalByDaysOfUse) {
    const auto second = ExampleCar([](auto& v) { v.CCStartDate = ActiveTaxYear().FirstDay + 184; });  // 181 days
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
    // Typed on the second car, larger than the total.
    CompanyCarState s = ListOf({ExampleCar(), ExampleCar([](auto& v) { v.FB3802ThisCar = 200000; })}, 126000);
    CompCarCalc(s);
    EXPECT_EQ(s.Vehicles[2].AdjustTaxableInc, -126000);
}

TEST(CompanyCar, AVehicleWithoutDistanceSkipsTheStepsThatDivideByIt) {
    const auto still =
        ExampleCar([](auto& v) { v.EndMileage = v.StartMileage = v.BusDistance = 0, v.FB3802ThisCar = 1000; });
    CompanyCarState s = ListOf({ExampleCar(), still}, 126000);  // the first car on screen
    CompCarCalc(s);
    const CompanyCarResults& r = s.Results[2];
    // The log book's inclusion divides by the distance; the steps after those that do still run.
    EXPECT_EQ(std::tuple(r.DaysOfUse, r.TrueInclusion, r.FuelClaim, r.TotAddExpense, s.Vehicles[2].FuelComponent),
              std::tuple(365, 0, 0, 0, 0));
    EXPECT_EQ(std::tuple(s.Vehicles[2].AdjustTaxableInc, r.IRP53802), std::tuple(-1000, 126000));
    EXPECT_EQ(s.TotalAdjustment, s.Vehicles[1].AdjustTaxableInc - 1000);
}

TEST(CompanyCar, AVehicleOnScreenWithoutAPriceStopsEveryVehicle) {
    const auto unpriced = ExampleCar([](auto& v) { v.CCPrice = 0, v.FB3802ThisCar = 5000, v.AdjustTaxableInc = 77; });
    CompanyCarState s = ListOf({ExampleCar(), unpriced}, 126000);
    s.Vehicles[1].AdjustTaxableInc = -100;
    s.CurrentVehicle = 2;
    CompCarCalc(s);
    EXPECT_EQ(std::tuple(s.Results[1].TrueInclusion, s.Results[1].IRP53802), std::tuple(0, 0));
    const CompanyCarShown shown = ShownFigures(s);
    EXPECT_EQ(std::tuple(shown.TotalDistance, shown.BusDistance, shown.FB3802ThisCar, shown.AdjustTaxableInc),
              std::tuple(0, 0, 0, 0));
    // Shown as 0, kept for when it has a price.
    EXPECT_EQ(std::tuple(s.Vehicles[2].TotalDistance, s.Vehicles[2].FB3802ThisCar), std::tuple(30000, 5000));
    EXPECT_EQ(std::tuple(shown.TotalAdjustment, shown.TotalAdjustmentSARS), std::tuple(-100, 0));
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
    CompanyCarState s = ListOf(
        {ExampleCar([](auto& v) { v.SARSTable = false, v.FuelComponent = 999, v.ActualExpEmployee = 40000; })}, 126000);
    CompCarCalc(s);
    EXPECT_EQ(s.Vehicles[1].FuelComponent, 0);
    EXPECT_EQ(s.Results[1].FuelClaim, 18000);  // (40000 - 10000) x 18000 / 30000
}

TEST(CompanyCar, PrintCalcRecomputesEveryPricedVehicleButNotTheBenefits) {
    CompanyCarState s = ListOf({ExampleCar(), ExampleCar([](auto& v) { v.CCPrice = 0; })}, 126000);
    CompCarCalc(s);
    const double irp5 = s.Results[1].IRP53802;
    s.Vehicles[1].BussMilage = false;
    s.Vehicles[2].AdjustTaxableInc = 12;
    PrintCalc(s);
    EXPECT_EQ(std::tuple(s.Results[1].TrueInclusion, s.Results[1].IRP53802, s.Results[2].TrueInclusion),
              std::tuple(125656, irp5, 0));
    EXPECT_EQ(s.Vehicles[2].AdjustTaxableInc, 12);  // skipped: keeps its last value
}

TEST(CompanyCar, ResetKeepsTheRejectedDates) {
    CompanyCarState s = ListOf({ExampleCar()}, 126000);
    s.AutoSplit3802 = true;
    s.DatesRejected = true;
    InitCompanyCarState(s);
    EXPECT_EQ(
        std::tuple(s.VehicleCount, s.CurrentVehicle, s.ShownVehicle, s.AutoSplit3802, s.Actual3802, s.DatesRejected),
        std::tuple(0, 0, 0, false, 0, true));
}

}  // namespace
}  // namespace kelvara

#include <gtest/gtest.h>

#include "ActiveTaxYear.h"
#include "CarAllowance.h"
#include "DeemedCostTable.h"
#include "TravelAllowance.h"

namespace kelvara {
namespace {

// The tax year's days, read once the year is in place rather than at start-up.
DayNumber First() { return ActiveTaxYear().FirstDay; }
DayNumber Last() { return ActiveTaxYear().LastDay; }

TEST(DeemedCostTable, BandUpperBoundsBelongToTheBand) {
    // The vehicle's value; its fixed cost, fuel and maintenance a km.
    const std::tuple<double, double, double, double> cases[] = {
        {-5, 38344, 1.329, 0.491},       {0, 38344, 1.329, 0.491},         {115000, 38344, 1.329, 0.491},
        {115001, 68487, 1.484, 0.614},   {250000, 98689, 1.612, 0.678},    {920000, 237679, 2.201, 1.269},
        {1500000, 237679, 2.201, 1.269}, {690000.01, 208106, 2.165, 1.145}};
    for (auto [value, fixed, fuel, maintenance] : cases) {
        const DeemedCostRow row = LookupDeemedCost(value);
        EXPECT_EQ(std::tuple(row.FixedCost, row.FuelPerKm, row.MaintenancePerKm), std::tuple(fixed, fuel, maintenance))
            << value;
    }
}

struct SplitCase {
    double Total, Business, Days;
    double ExpectBusiness, ExpectPrivate;
};

class SplitDistanceCases : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitDistanceCases, DeemsOrTakesTheBusinessDistance) {
    const SplitCase c = GetParam();
    TravelAllowanceState s;
    s.ClosingKm = 100000 + c.Total;
    s.OpeningKm = 100000;
    s.BusinessKm = c.Business;
    s.PeriodDays = c.Days;
    SplitDistance(s);
    EXPECT_EQ(s.DistanceTotal, c.Total);
    EXPECT_NEAR(s.DistanceBusiness, c.ExpectBusiness, 1e-9);
    EXPECT_NEAR(s.DistancePrivate, c.ExpectPrivate, 1e-9);
}

const SplitCase kSplits[] = {
    {40000, 0, 365, 14000, 26000},    {25000, 0, 365, 7000, 18000},       {15000, 0, 365, 0, 15000},
    {32000, 0, 365, 14000, 18000},    {20000, 0, 181, 6942.46, 13057.54}, {10000, 0, 181, 1073.98, 8926.02},
    {5000, 0, 181, 0, 5000},          {30000, 18000, 181, 18000, 12000},  {-500, 0, 365, 0, -500},
    {20000, 25000, 365, 25000, -5000}};
INSTANTIATE_TEST_SUITE_P(Examples, SplitDistanceCases, ::testing::ValuesIn(kSplits));

TravelAllowanceState DeemedExample() {
    TravelAllowanceState s;
    s.VehicleValue = 250000;
    s.ClosingKm = 60000;
    s.OpeningKm = 30000;
    s.BusinessKm = 18000;
    s.PeriodDays = 365;
    s.AllowanceReceived = 120000;
    return s;
}

struct DeemedCase {
    const char* Name;
    double Value, Days, Business, Allowance;
    bool Fuel;
    double FixedCents, TotalCents, Claim;
};

class DeemedCostClaims : public ::testing::TestWithParam<DeemedCase> {};

TEST_P(DeemedCostClaims, BuildTheRateAndLimitTheClaim) {
    const DeemedCase c = GetParam();
    TravelAllowanceState s = DeemedExample();
    s.VehicleValue = c.Value;
    s.PeriodDays = c.Days;
    s.BusinessKm = c.Business;
    s.AllowanceReceived = c.Allowance;
    s.IncludeFuel = c.Fuel;
    CalcDeemedCostClaim(s);
    EXPECT_NEAR(s.FixedCentsPerKm, c.FixedCents, 1e-9) << c.Name;
    EXPECT_EQ(s.TotalCentsPerKm, c.TotalCents) << c.Name;
    EXPECT_NEAR(s.DeductionClaim, c.Claim, 1e-8) << c.Name;
    EXPECT_EQ(s.AllowanceReceived, c.Allowance) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DeemedCostClaims,
    ::testing::Values(DeemedCase{"full year", 250000, 365, 18000, 120000, true, 328.9633, 558.0, 100433.394},
                      DeemedCase{"181 days", 250000, 181, 18000, 120000, true, 163.1297, 392.1, 70583.346},
                      DeemedCase{"no fuel, no allowance", 250000, 365, 18000, 0, false, 328.9633, 396.8, 71417.394},
                      DeemedCase{"limited", 1000000, 365, 20000, 50000, true, 792.2633, 1139.3, 50000}));

TEST(DeemedCostClaim, ShowsTheTableRatesInCentsAndLeavesTheActualCostsAlone) {
    TravelAllowanceState s = DeemedExample();
    s.TotalCosts = 11;
    s.PrivateUse = 7;
    s.IncludeMaintenance = false;
    CalcDeemedCostClaim(s);
    EXPECT_NEAR(s.FuelCentsPerKm, 161.2, 1e-9);
    EXPECT_EQ(std::tuple(s.FixedCost, s.MaintenanceCentsPerKm, s.DistancePrivate, s.TotalCosts, s.PrivateUse),
              std::tuple(98689, 0, 12000, 11, 7));
}

TEST(DeemedCostClaim, WithoutADistanceOnlyFuelAndMaintenanceCount) {
    TravelAllowanceState s = DeemedExample();
    s.ClosingKm = 30000;  // total 0
    s.BusinessKm = 100;
    CalcDeemedCostClaim(s);
    EXPECT_EQ(std::tuple(s.FixedCentsPerKm, s.TotalCentsPerKm, s.DistancePrivate), std::tuple(0, 229.0, -100));
    EXPECT_NEAR(s.DeductionClaim, 229.0, 1e-9);
}

TravelAllowanceState ActualExample() {
    TravelAllowanceState s;
    s.RecordsKept = true;
    s.FuelOil = 20000;
    s.RepairsMaintenance = 5000;
    s.InsuranceLicence = 8000;
    s.OtherExpenses = 2000;
    s.WearAndTear = 40000;
    s.PeriodDays = 365;
    return s;
}

struct ActualCase {
    const char* Name;
    double Closing, Opening, Business, Value, Allowance;
    bool Includes;
    double Claim, PrivateUse;
};

class ActualCostClaims : public ::testing::TestWithParam<ActualCase> {};

TEST_P(ActualCostClaims, ApportionTheCostsOrValueThePrivateUse) {
    const ActualCase c = GetParam();
    TravelAllowanceState s = ActualExample();
    s.ClosingKm = c.Closing;
    s.OpeningKm = c.Opening;
    s.BusinessKm = c.Business;
    s.VehicleValue = c.Value;
    s.AllowanceReceived = c.Allowance;
    s.IncludeFuel = s.IncludeMaintenance = c.Includes;
    CalcActualCostClaim(s);
    EXPECT_EQ(s.TotalCosts, 75000) << c.Name;
    EXPECT_NEAR(s.DeductionClaim, c.Claim, 1e-8) << c.Name;
    EXPECT_NEAR(s.PrivateUse, c.PrivateUse, 1e-8) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ActualCostClaims,
    ::testing::Values(ActualCase{"limited to the allowance", 60000, 30000, 18000, 0, 40000, true, 40000, 30000},
                      ActualCase{"deemed business share", 60000, 20000, 0, 0, 0, true, 26250, 48750},
                      ActualCase{"value-based", 0, 0, 0, 200000, 0, true, 24600, 50400},
                      ActualCase{"value-based, nothing borne", 0, 0, 0, 200000, 0, false, 15000, 60000},
                      ActualCase{"value-based above the costs", 0, 0, 0, 400000, 0, true, 0, 0},
                      ActualCase{"value-based, limited", 0, 0, 0, 200000, 20000, true, 20000, 50400},
                      ActualCase{"a distance of 1", 1001, 1000, 0, 0, 0, true, 0, 75000}));

TEST(CarAllowanceRecalculation, TakesThePeriodFromTheDates) {
    TravelAllowanceState s = DeemedExample();
    EXPECT_TRUE(RecalculateTravelAllowance(s, First() + 184, Last()));  // 01/09/2026
    EXPECT_EQ(s.PeriodDays, 181);
    EXPECT_NEAR(s.DeductionClaim, 70583.346, 1e-8);
}

TEST(CarAllowanceRecalculation, WithoutRecordsAMissingInputClearsTheResults) {
    // What is missing, the input cleared, the first day.
    const std::tuple<const char*, double TravelAllowanceState::*, DayNumber> cases[] = {
        {"no value", &TravelAllowanceState::VehicleValue, First()},
        {"no business distance", &TravelAllowanceState::BusinessKm, First()},
        {"no period", nullptr, Last() + 1}};
    for (auto [name, cleared, start] : cases) {
        TravelAllowanceState s = DeemedExample();
        ASSERT_TRUE(RecalculateTravelAllowance(s, First(), Last()));
        if (cleared) s.*cleared = 0;
        EXPECT_FALSE(RecalculateTravelAllowance(s, start, Last())) << name;
        EXPECT_EQ(std::tuple(s.DeductionClaim, s.DistanceTotal, s.FixedCost, s.TotalCentsPerKm), std::tuple(0, 0, 0, 0))
            << name;
    }
}

TEST(CarAllowanceRecalculation, WithRecordsAlwaysComputes) {
    TravelAllowanceState s = ActualExample();
    s.ClosingKm = 60000;
    s.OpeningKm = 20000;
    EXPECT_TRUE(RecalculateTravelAllowance(s, First(), Last()));
    EXPECT_EQ(s.DistanceBusiness, 14000);
    EXPECT_NEAR(s.DeductionClaim, 75000.0 * 14000 / 40000, 1e-9);
}

TEST(SinglePayment, RefusesTheSecondOfWearAndTearAndLease) {
    const auto refusal = SinglePaymentRefusal(5000, 3000);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Title, "Single Payment");
    EXPECT_EQ(refusal->Text, "Only one amount for either Wear & Tear or Lease payments will be accepted");
    EXPECT_FALSE(SinglePaymentRefusal(5000, 0));
    EXPECT_FALSE(SinglePaymentRefusal(0, 3000));
}

TEST(TravelAllowanceReset, IncludesFuelAndMaintenance) {
    TravelAllowanceState s = DeemedExample();
    s.IncludeFuel = false;
    CalcDeemedCostClaim(s);
    InitTravelAllowanceState(s);
    EXPECT_EQ(std::tuple(s.IncludeFuel, s.IncludeMaintenance, s.VehicleValue, s.DeductionClaim),
              std::tuple(true, true, 0, 0));
}

}  // namespace
}  // namespace kelvara

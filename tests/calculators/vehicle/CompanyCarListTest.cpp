#include <gtest/gtest.h>

#include "CompanyCarFixtures.h"
#include "CompanyCarList.h"

namespace kelvara {
namespace {

using testing::CarListCaption;
using testing::ListOf;
using testing::Registered;

CompanyCarState ThreeCars() {
    CompanyCarState s = testing::ThreeCars(126000);
    OpenCompanyCarList(s);
    return s;
}

TEST(CompanyCarList, OpeningAnEmptyListCutsItBackToAFreshEntryRecord) {
    CompanyCarState s = ListOf({Registered("A"), Registered("B")}, 5);
    s.Vehicles[0].SARSTable = true;
    s.Vehicles[0].CCStartDate = ActiveTaxYear().FirstDay + 30;
    s.AutoSplit3802 = true;
    InitCompanyCarState(s);
    OpenCompanyCarList(s);
    EXPECT_EQ(std::tuple(s.Vehicles.size(), s.CurrentVehicle, s.AutoSplit3802, s.Vehicles[0].SARSTable),
              std::tuple(1u, 0, false, false));
    EXPECT_EQ(s.Vehicles[0].CCStartDate, ActiveTaxYear().FirstDay);
    EXPECT_EQ(CompanyCarCaption(s), CarListCaption(0, 0));
}

TEST(CompanyCarList, OpeningShowsAndComputesVehicle1) {
    CompanyCarState s = ThreeCars();
    EXPECT_EQ(std::tuple(s.CurrentVehicle, s.ShownVehicle, s.Results[3].IRP53802), std::tuple(1, 1, 126000));
}

TEST(CompanyCarList, AddFillsEachNewVehicleFromTheEntryRecord) {
    CompanyCarState s;
    OpenCompanyCarList(s);
    CompanyCarVehicle& entry = s.Vehicles[0];
    entry.CCRegNumber = "ND 1";
    entry.CCPrice = 300000;
    entry.ActualExpEmployee = 700;
    entry.BussMilage = true;
    entry.YearOfManfact = "2024";
    ASSERT_TRUE(AddVehicle(s));
    EXPECT_EQ(CompanyCarCaption(s), CarListCaption(1, 1));
    EXPECT_FALSE(s.AutoSplit3802);
    const CompanyCarVehicle& first = s.Vehicles[1];
    EXPECT_EQ(
        std::tuple(first.CCRegNumber, first.CCPrice, first.ActualExpEmployee, first.BussMilage, first.YearOfManfact),
        std::tuple("ND 1", 300000, 700, false, ""));
    EXPECT_EQ(first.CCEndDate, ActiveTaxYear().LastDay);

    s.Vehicles[1].CCPrice = 100000;  // typed into vehicle 1, not the entry record
    ASSERT_TRUE(AddVehicle(s));
    EXPECT_EQ(
        std::tuple(s.VehicleCount, s.CurrentVehicle, s.Vehicles[2].CCPrice, s.Vehicles[1].CCPrice, s.AutoSplit3802),
        std::tuple(2, 2, 300000, 100000, true));
    EXPECT_EQ(CompanyCarCaption(s), CarListCaption(2, 2));
}

TEST(CompanyCarList, AddDoesNothingWhileTheVehicleHasNoRegistration) {
    CompanyCarState s = ThreeCars();
    s.Vehicles[1].CCRegNumber.clear();
    EXPECT_FALSE(AddVehicle(s));
    EXPECT_EQ(s.VehicleCount, 3);
}

TEST(CompanyCarList, PagingGoesRoundAtEitherEnd) {
    const struct {
        std::int16_t From;
        bool Forward;
        std::int16_t To;
    } cases[] = {{1, false, 3}, {3, true, 1}, {2, false, 1}, {2, true, 3}};
    for (const auto& c : cases) {
        CompanyCarState s = ThreeCars();
        s.CurrentVehicle = s.ShownVehicle = c.From;
        c.Forward ? MoveForward(s) : MoveBack(s);
        EXPECT_EQ(std::tuple(s.CurrentVehicle, s.ShownVehicle), std::tuple(c.To, c.To))
            << c.From << (c.Forward ? " forward" : " back");
    }
}

TEST(CompanyCarList, PagingLeavesTheVehiclesApartAndAppliesTheFuelTable) {
    CompanyCarState s = ThreeCars();
    s.Vehicles[2].ActualExpEmployee = 900;  // with the fuel table: cleared on loading
    s.Vehicles[3].SARSTable = false;
    s.Vehicles[3].ActualExpEmployee = 800;
    MoveForward(s);
    EXPECT_EQ(s.Vehicles[2].ActualExpEmployee, 0);
    EXPECT_EQ(s.Vehicles[1].CCRegNumber, "A");
    MoveForward(s);
    EXPECT_EQ(std::tuple(s.Vehicles[3].ActualExpEmployee, s.Vehicles[3].FuelComponent), std::tuple(800, 0));
}

TEST(CompanyCarList, DeleteRenumbersTheVehiclesAboveAndShowsVehicle1) {
    CompanyCarState s = ThreeCars();
    MoveForward(s);
    DeleteVehicle(s);
    EXPECT_EQ(std::tuple(s.VehicleCount, s.Vehicles[1].CCRegNumber, s.Vehicles[2].CCRegNumber, s.CurrentVehicle),
              std::tuple(2, "A", "C", 1));
    EXPECT_EQ(CompanyCarCaption(s), CarListCaption(1, 2));
}

TEST(CompanyCarList, DeletingTheLastVehicleEmptiesTheList) {
    CompanyCarState s = ListOf({Registered("A")}, 126000);
    OpenCompanyCarList(s);
    DeleteVehicle(s);
    EXPECT_EQ(std::tuple(s.VehicleCount, s.CurrentVehicle, s.Actual3802, s.Vehicles[0].CCRegNumber),
              std::tuple(0, 0, 0, ""));
    EXPECT_EQ(s.Vehicles[0].CCStartDate, ActiveTaxYear().FirstDay);
    EXPECT_EQ(CompanyCarCaption(s), CarListCaption(0, 0));
    DeleteVehicle(s);  // nothing left to delete
    EXPECT_EQ(s.VehicleCount, 0);
}

TEST(CompanyCarList, TheFuelTableBoxClearsTheFigureItMakesUnused) {
    CompanyCarState s = ListOf({Registered("A")}, 0);
    s.Vehicles[1].ActualExpEmployee = 500;
    s.Vehicles[1].FuelComponent = 400;
    SetFuelTable(s, true);
    EXPECT_EQ(std::tuple(s.Vehicles[1].ActualExpEmployee, s.Vehicles[1].FuelComponent), std::tuple(0, 400));
    SetFuelTable(s, false);
    EXPECT_EQ(s.Vehicles[1].FuelComponent, 0);
}

TEST(CompanyCarList, ClosingIsRefusedUntilTheRejectedEndDateIsLeft) {
    CompanyCarState s = ThreeCars();
    MarkEndDateRejected(s);
    const auto refusal = CloseCompanyCarList(s);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Title, "Incorrect Date");
    EXPECT_EQ(refusal->Text,
              "The dates entered are not correct please enter a dates between 01/03/2026 and 28/02/2027");
    EndDateLeft(s);
    EXPECT_FALSE(CloseCompanyCarList(s));
}

}  // namespace
}  // namespace kelvara

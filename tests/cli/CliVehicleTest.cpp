#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

using nlohmann::json;

const std::string kDeemed = "travel-allowance --closing-km 60000 --opening-km 30000";

TEST(CliTravelAllowance, ClaimsFromTheDeemedCosts) {
    const struct {
        std::string Extra;
        long long Days;
        double TotalCents, Claim;
    } cases[] = {
        {" --vehicle-value 250000 --business-km 18000 --allowance-received 120000", 365, 558.0, 100433.394},
        {" --vehicle-value 250000 --business-km 18000 --allowance-received 120000 --start-date 01/09/2026", 181, 392.1,
         70583.346},
        {" --vehicle-value 250000 --business-km 18000 --include-fuel no", 365, 396.8, 71417.394},
        {" --vehicle-value 1000000 --business-km 20000 --allowance-received 50000", 365, 1139.3, 50000},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(kDeemed + c.Extra);
        ASSERT_EQ(run.ExitCode, 0) << c.Extra << run.Err;
        const json r = json::parse(run.Out);
        EXPECT_EQ(r["PeriodDays"], c.Days) << c.Extra;
        EXPECT_EQ(r["Computed"], true);
        EXPECT_EQ(r["TotalCentsPerKm"], c.TotalCents) << c.Extra;
        EXPECT_NEAR(r["DeductionClaim"].get<double>(), c.Claim, 1e-8) << c.Extra;
    }
}

TEST(CliTravelAllowance, WithoutABusinessDistanceNothingIsComputed) {
    const CliRun run = RunCli("travel-allowance --vehicle-value 250000 --closing-km 60000");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json r = json::parse(run.Out);
    EXPECT_EQ(r["Computed"], false);
    EXPECT_EQ(r["DeductionClaim"], 0);
    EXPECT_EQ(r["DistanceTotal"], 0);
}

TEST(CliTravelAllowance, ClaimsFromTheActualCosts) {
    const CliRun run = RunCli(
        "travel-allowance --records-kept yes --fuel-oil 20000 --repairs-maintenance 5000 --insurance-licence 8000 "
        "--other-expenses 2000 --wear-and-tear 40000 --closing-km 60000 --opening-km 30000 --business-km 18000 "
        "--allowance-received 40000");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json r = json::parse(run.Out);
    EXPECT_EQ(r["TotalCosts"], 75000);
    EXPECT_EQ(r["DeductionClaim"], 40000);
    EXPECT_EQ(r["PrivateUse"], 30000);
}

TEST(CliTravelAllowance, RefusalsTheWindowShowsExitWithStatus1) {
    const struct {
        const char* Arguments;
        const char* Title;
        const char* Message;
    } cases[] = {
        {"travel-allowance --wear-and-tear 5000 --lease-payments 3000", "Single Payment",
         "Only one amount for either Wear & Tear or Lease payments will be accepted"},
        {"travel-allowance --start-date 01/06/2026 --end-date 2026-05-31", "Incorrect Date",
         "The date entered is not correct please enter a date between 01/06/2026 and 28/02/2027"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.Arguments);
        EXPECT_EQ(run.ExitCode, 1) << c.Arguments;
        const json r = json::parse(run.Out);
        EXPECT_EQ(r["error"]["title"], c.Title);
        EXPECT_EQ(r["error"]["message"], c.Message);
    }
}

const std::string kCar = R"({"CCRegNumber": "CA 1", "CCPrice": 300000, "EndMileage": 50000, "StartMileage": 20000,
    "BusDistance": 12000, "BussMilage": true, "SARSTable": 1, "FuelReimbEmployer": 10000,
    "EmpPaidInsurance": 6000, "EmpPaidLicence": 1000, "EmpPaidMaintenance": 5000})";

TEST(CliCompanyCar, CalculatesOneCarFromAFileOrStandardInput) {
    const InputFile input(R"({"Actual3802": 126000, "vehicles": [)" + kCar + "]}");
    for (const std::string& arguments : {"company-car --input " + input.Path(), "company-car < " + input.Path()}) {
        const CliRun run = RunCli(arguments);
        ASSERT_EQ(run.ExitCode, 0) << arguments << run.Err;
        const json r = json::parse(run.Out);
        ASSERT_EQ(r["vehicles"].size(), 1u);
        const json& car = r["vehicles"][0];
        EXPECT_EQ(car["DaysOfUse"], 365);
        EXPECT_EQ(car["FB3802ThisCar"], 126000);
        EXPECT_EQ(car["TrueInclusion"], 75393);
        EXPECT_EQ(car["FuelComponent"], 48360);
        EXPECT_EQ(car["AdjustTaxableInc"], -80823);
        EXPECT_EQ(car["SARSDeductionClaim"], -80616);
        EXPECT_EQ(car["FortFB80"], 3876.8);
        EXPECT_EQ(r["TotalAdjustment"], -80823);
    }
}

TEST(CliCompanyCar, SplitsTheCode3802TotalByDaysOfUse) {
    std::string second = kCar;
    second.insert(1, R"("CCStartDate": "01/09/2026", )");
    const InputFile input(R"({"Actual3802": 126000, "AutoSplit3802": true, "vehicles": [)" + kCar + ", " + second +
                          "]}");
    const CliRun run = RunCli("company-car --input " + input.Path());
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json r = json::parse(run.Out);
    EXPECT_NEAR(r["vehicles"][0]["FB3802ThisCar"].get<double>(), 84230.769, 1e-3);
    EXPECT_NEAR(r["vehicles"][1]["FB3802ThisCar"].get<double>(), 41769.231, 1e-3);
    EXPECT_EQ(r["vehicles"][1]["DaysOfUse"], 181);
}

TEST(CliCompanyCar, BadInputExitsWithStatus2NamingTheKey) {
    const struct {
        std::string Json;
        const char* Named;
    } cases[] = {
        {"not json", "not valid JSON"},
        {R"({"vehicles": [{"CCPrice": -1}]})", "vehicles[0].CCPrice"},
        {R"({"vehicles": [{"CCPrice": 1.5}]})", "vehicles[0].CCPrice"},
        {R"({"vehicles": [{"CCRegNumber": "ABCDEFGHIJK"}]})", "vehicles[0].CCRegNumber"},
        {R"({"vehicles": [{"CCEndDate": "01/03/2027"}]})", "vehicles[0].CCEndDate"},
        {R"({"vehicles": [{"Colour": "red"}]})", "vehicles[0].Colour"},
        {R"({"CurrentVehicle": 2, "vehicles": [{}]})", "CurrentVehicle"},
        {R"({"Actual3802": "many"})", "Actual3802"},
    };
    for (const auto& c : cases) {
        const InputFile input(c.Json);
        const CliRun run = RunCli("company-car --input " + input.Path());
        EXPECT_EQ(run.ExitCode, 2) << c.Json;
        EXPECT_TRUE(run.Out.empty()) << c.Json;
        EXPECT_NE(run.Err.find(c.Named), std::string::npos) << c.Json << ": " << run.Err;
    }
    EXPECT_EQ(RunCli("company-car --input /nonexistent/cars.json").ExitCode, 2);
}

TEST(CliVehicleUsage, OutOfBoundsOptionsExitWithStatus2) {
    ExpectMistakes({"travel-allowance --vehicle-value 10000000", "travel-allowance --business-km 1.5",
                    "travel-allowance --records-kept maybe", "travel-allowance --end-date 01/03/2027",
                    "travel-allowance --period-days 30"});
}

}  // namespace
}  // namespace kelvara::testing

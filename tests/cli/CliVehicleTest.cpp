#include <gtest/gtest.h>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

// A travel allowance claimed from the deemed costs of a vehicle driven 30 000 km.
CliCase Deemed(const std::string& extra, int days, double totalCents, double claim) {
    return Gives("travel-allowance --closing-km 60000 --opening-km 30000" + extra,
                 {Figure("PeriodDays", days), "Computed=true", Figure("TotalCentsPerKm", totalCents),
                  Figure("DeductionClaim", claim) + "~1e-8"});
}

const std::string kCar = R"({"CCRegNumber": "CA 1", "CCPrice": 300000, "EndMileage": 50000, "StartMileage": 20000,
    "BusDistance": 12000, "BussMilage": true, "SARSTable": 1, "FuelReimbEmployer": 10000,
    "EmpPaidInsurance": 6000, "EmpPaidLicence": 1000, "EmpPaidMaintenance": 5000})";
const std::string kOneCar = R"({"Actual3802": 126000, "vehicles": [)" + kCar + "]}";
const std::vector<std::string> kOneCarFigures = {"vehicles/0/DaysOfUse=365",
                                                 "vehicles/0/FB3802ThisCar=126000",
                                                 "vehicles/0/TrueInclusion=75393",
                                                 "vehicles/0/FuelComponent=48360",
                                                 "vehicles/0/AdjustTaxableInc=-80823",
                                                 "vehicles/0/SARSDeductionClaim=-80616",
                                                 "vehicles/0/FortFB80=3876.8",
                                                 "!vehicles/1",
                                                 "TotalAdjustment=-80823"};
// The second car, used from 1 September, takes its share of the code 3802 total by days of use.
const std::string kTwoCars = R"({"Actual3802": 126000, "AutoSplit3802": true, "vehicles": [)" + kCar +
                             R"(, {"CCStartDate": "01/09/2026", )" + kCar.substr(1) + "]}";

// Bad input exits with status 2 naming the key.
CliCase BadCar(const std::string& json, const std::string& named) {
    return OnInput(json, named, Mistake("company-car --input {input}", {named}));
}

const CliCase kCases[] = {
    Deemed(" --vehicle-value 250000 --business-km 18000 --allowance-received 120000", 365, 558.0, 100433.394),
    Deemed(" --vehicle-value 250000 --business-km 18000 --allowance-received 120000 --start-date 01/09/2026", 181,
           392.1, 70583.346),
    Deemed(" --vehicle-value 250000 --business-km 18000 --include-fuel no", 365, 396.8, 71417.394),
    Deemed(" --vehicle-value 1000000 --business-km 20000 --allowance-received 50000", 365, 1139.3, 50000),
    // Without a business distance nothing is computed.
    Gives("travel-allowance --vehicle-value 250000 --closing-km 60000",
          {"Computed=false", "DeductionClaim=0", "DistanceTotal=0"}),
    // From the actual costs.
    Gives("travel-allowance --records-kept yes --fuel-oil 20000 --repairs-maintenance 5000 --insurance-licence 8000"
          " --other-expenses 2000 --wear-and-tear 40000 --closing-km 60000 --opening-km 30000 --business-km 18000"
          " --allowance-received 40000",
          {"TotalCosts=75000", "DeductionClaim=40000", "PrivateUse=30000"}),
    Refusal("travel-allowance --wear-and-tear 5000 --lease-payments 3000", "Single Payment",
            "Only one amount for either Wear & Tear or Lease payments will be accepted"),
    Refusal("travel-allowance --start-date 01/06/2026 --end-date 2026-05-31", "Incorrect Date",
            "The date entered is not correct please enter a date between 01/06/2026 and 28/02/2027"),
    Mistake("travel-allowance --vehicle-value 10000000"),
    Mistake("travel-allowance --business-km 1.5"),
    Mistake("travel-allowance --records-kept maybe"),
    Mistake("travel-allowance --end-date 01/03/2027"),
    Mistake("travel-allowance --period-days 30"),

    // One car from a file or standard input.
    OnInput(kOneCar, "one_car_from_a_file", Gives("company-car --input {input}", kOneCarFigures)),
    OnInput(kOneCar, "one_car_from_standard_input", Gives("company-car < {input}", kOneCarFigures)),
    OnInput(
        kTwoCars, "split_by_days_of_use",
        Gives("company-car --input {input}", {"vehicles/0/FB3802ThisCar=84230.769~1e-3",
                                              "vehicles/1/FB3802ThisCar=41769.231~1e-3", "vehicles/1/DaysOfUse=181"})),
    BadCar("not json", "not valid JSON"),
    BadCar(R"({"vehicles": [{"CCPrice": -1}]})", "vehicles[0].CCPrice"),
    BadCar(R"({"vehicles": [{"CCPrice": 1.5}]})", "vehicles[0].CCPrice"),
    BadCar(R"({"vehicles": [{"CCRegNumber": "ABCDEFGHIJK"}]})", "vehicles[0].CCRegNumber"),
    BadCar(R"({"vehicles": [{"CCEndDate": "01/03/2027"}]})", "vehicles[0].CCEndDate"),
    BadCar(R"({"vehicles": [{"Colour": "red"}]})", "vehicles[0].Colour"),
    BadCar(R"({"CurrentVehicle": 2, "vehicles": [{}]})", "CurrentVehicle"),
    BadCar(R"({"Actual3802": "many"})", "Actual3802"),
    Mistake("company-car --input /nonexistent/cars.json"),
};

INSTANTIATE_TEST_SUITE_P(Vehicle, CliCases, ::testing::ValuesIn(kCases), CliCaseName);

}  // namespace
}  // namespace kelvara::testing

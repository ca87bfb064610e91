#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

using nlohmann::json;

// The settings of the worked packages, given as options so that the stored
// settings play no part.
std::string WorkedSettings(std::string funds = "") {
    if (funds.empty()) funds = "--pension-cont 0 --employer-pen-cont 0";
    return " " + funds +
           " --employee-uif 1 --employer-uif 1 --skill-levy 1 --uif-limit 17712 --ta-inc-rate 0.8 --car-fb-rate 0.8"
           " --car-maintenance-plan no";
}

json Calc(const std::string& arguments, const std::string& funds = "") {
    const CliRun run = RunCli(arguments + WorkedSettings(funds));
    EXPECT_EQ(run.ExitCode, 0) << arguments << ": " << run.Err;
    return run.ExitCode == 0 ? json::parse(run.Out) : json::object();
}

TEST(CliPackage, WorkedPackages) {
    struct Case {
        const char* Arguments;
        const char* Funds;
        double GrossSal;
        double TotCostComp;
        double TaxDeduct;
    };
    const Case cases[] = {
        {"package net-to-gross annual --required 150000 --age 40", "", 163185.34, 166449.06, 11553.48},
        {"package net-to-gross annual --required 150000 --age 40 --travel-allowance 60000", "", 160370.49, 163337.91,
         8886.78},
        {"package net-to-gross monthly --required 12000 --age 40", "", 12981.58, 13241.22, 851.76},
        {"package gross-to-net annual --required 300000 --age 40", "--pension-cont 7.5", 240652.56, 304900.44, 34722},
        {"package gross-to-net monthly --required 25000 --age 40", "--pension-cont=7.5", 20054.38, 25408.37, 2893.5},
        {"package gross-to-net annual --required 400000 --age 66 --travel-allowance 60000 --med-aid 12000 "
         "--med-aid-cost 24000 --members 24 --car 300000",
         "--pension-cont 10 --employer-pen-cont 20", 205176.58, 485813.44, 36697.98},
    };
    for (const Case& k : cases) {
        const json r = Calc(k.Arguments, k.Funds);
        EXPECT_EQ(r["GrossSal"], k.GrossSal) << k.Arguments;
        EXPECT_EQ(r["TotCostComp"], k.TotCostComp) << k.Arguments;
        EXPECT_EQ(r["TaxDeduct"], k.TaxDeduct) << k.Arguments;
    }
}

TEST(CliPackage, ASmallGainPerRandStillFindsTheGross) {
    const json r = Calc("package net-to-gross annual --required 150000 --age 40", "--pension-cont 97");
    EXPECT_EQ(r["Search"], 5459571);
}

TEST(CliPackage, KeysOfEachDirection) {
    const json net = Calc("package net-to-gross monthly --required 12000 --age 40");
    EXPECT_EQ(net["Search"], 12982);
    EXPECT_EQ(net["LimitWarning"], false);
    const json gross = Calc("package gross-to-net monthly --required 12000 --age 70 --medical-deductions 100");
    EXPECT_FALSE(gross.contains("Search"));
    EXPECT_EQ(gross["MedicalDeductions"], 100);
    EXPECT_EQ(gross["Rebate"], 27585);
    EXPECT_EQ(
        Calc("package gross-to-net monthly --required 12000 --age 64 --medical-deductions 100")["MedicalDeductions"],
        0);
}

TEST(CliPackage, OtherExpensesAndTheCarOnceOff) {
    const json plain = Calc("package gross-to-net monthly --required 30000 --age 40");
    const json with = Calc("package gross-to-net monthly --required 30000 --age 40 --other-expenses 500");
    EXPECT_EQ(with["GrossSal"].get<double>(), plain["GrossSal"].get<double>() - 500);
    const json two = Calc("package gross-to-net annual --required 300000 --age 40 --other-expenses 100,200.5");
    const json none = Calc("package gross-to-net annual --required 300000 --age 40");
    EXPECT_NEAR(two["GrossSal"].get<double>(), none["GrossSal"].get<double>() - 300.5, 1e-6);
    const json car = Calc("package gross-to-net annual --required 300000 --age 40 --car 250000");
    EXPECT_EQ(car["OnceOff"], 250000);
    EXPECT_EQ(Calc("package gross-to-net annual --required 300000 --car 250000 --car-cost 1")["OnceOff"], 0);
}

TEST(CliPackage, RefusalsComeAsTheWindowsMessages) {
    struct Case {
        const char* Arguments;
        const char* Funds;
        const char* MessageStart;
    };
    const Case cases[] = {
        {"package net-to-gross annual --required 50000 --travel-allowance 60000", "",
         "Fringe benefits more than salary required!"},
        {"package net-to-gross annual --required 1000", "--pension-cont 100", "The employee's"},
        {"package net-to-gross annual --required 99999999.99", "", "No gross salary"},
    };
    for (const Case& k : cases) {
        const CliRun run = RunCli(std::string(k.Arguments) + WorkedSettings(k.Funds));
        EXPECT_EQ(run.ExitCode, 1) << k.Arguments;
        const json r = json::parse(run.Out);
        EXPECT_EQ(r["error"]["title"], "Kelvara 2027");
        EXPECT_EQ(r["error"]["message"].get<std::string>().rfind(k.MessageStart, 0), 0u) << run.Out;
    }
}

TEST(CliPackage, TheFundRuleOfTheWindowIsNotAppliedToOptions) {
    const json r =
        Calc("package net-to-gross annual --required 150000 --age 40", "--pension-cont 20 --employer-pen-cont 10");
    EXPECT_GT(r["FundEE"].get<double>(), 0);
    EXPECT_GT(r["FundER"].get<double>(), 0);
}

TEST(CliPackage, MistakesAreUsageErrors) {
    ExpectMistakes({
        "package net-to-gross annual --required -1",
        "package net-to-gross annual --required 100000000",
        "package gross-to-net monthly --age 1000",
        "package gross-to-net monthly --members 2.5",
        "package gross-to-net monthly --other-expenses 1,2,3,4,5",
        "package gross-to-net monthly --other-expenses 1,,2",
        "package gross-to-net monthly --car-maintenance-plan maybe",
        "package gross-to-net monthly --car-fb-rate 1.5",
        "package gross-to-net monthly --uif-limit 12.5",
        "package gross-to-net monthly --month-members 2",
        "package gross-to-net",
        "package sideways annual",
    });
}

}  // namespace
}  // namespace kelvara::testing

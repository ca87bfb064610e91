#include <gtest/gtest.h>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

// The settings of the worked packages, given as options so that the stored
// settings play no part; the funds' percentages 0 unless given.
std::string Worked(const std::string& arguments, std::string funds = "") {
    if (funds.empty()) funds = "--pension-cont 0 --employer-pen-cont 0";
    return "package " + arguments + " " + funds +
           " --employee-uif 1 --employer-uif 1 --skill-levy 1 --uif-limit 17712 --ta-inc-rate 0.8 --car-fb-rate 0.8"
           " --car-maintenance-plan no";
}

CliCase Package(const std::string& arguments, const std::string& funds, double grossSal, double totCostComp,
                double taxDeduct) {
    return Gives(Worked(arguments, funds),
                 {Figure("GrossSal", grossSal), Figure("TotCostComp", totCostComp), Figure("TaxDeduct", taxDeduct)});
}

// A refusal comes as the window's message, whose start is given.
CliCase Refused(const std::string& arguments, const std::string& funds, const std::string& messageStart) {
    CliCase c = Shows(Worked(arguments, funds), {"\"message\": \"" + messageStart});
    c.Status = 1;
    c.Figures = {"error/title=Kelvara 2027"};
    return c;
}

const CliCase kCases[] = {
    Package("net-to-gross annual --required 150000 --age 40", "", 163185.34, 166449.06, 11553.48),
    Package("net-to-gross annual --required 150000 --age 40 --travel-allowance 60000", "", 160370.49, 163337.91,
            8886.78),
    Package("net-to-gross monthly --required 12000 --age 40", "", 12981.58, 13241.22, 851.76),
    Package("gross-to-net annual --required 300000 --age 40", "--pension-cont 7.5", 240652.56, 304900.44, 34722),
    Package("gross-to-net monthly --required 25000 --age 40", "--pension-cont=7.5", 20054.38, 25408.37, 2893.5),
    Package("gross-to-net annual --required 400000 --age 66 --travel-allowance 60000 --med-aid 12000"
            " --med-aid-cost 24000 --members 24 --car 300000",
            "--pension-cont 10 --employer-pen-cont 20", 205176.58, 485813.44, 36697.98),
    // A small gain per rand still finds the gross.
    Gives(Worked("net-to-gross annual --required 150000 --age 40", "--pension-cont 97"), {"Search=5459571"}),
    // The keys of each direction.
    Gives(Worked("net-to-gross monthly --required 12000 --age 40"), {"Search=12982", "LimitWarning=false"}),
    Gives(Worked("gross-to-net monthly --required 12000 --age 70 --medical-deductions 100"),
          {"!Search", "MedicalDeductions=100", "Rebate=27585"}),
    Gives(Worked("gross-to-net monthly --required 12000 --age 64 --medical-deductions 100"), {"MedicalDeductions=0"}),
    // The car is paid once, unless it costs the employer nothing.
    Gives(Worked("gross-to-net annual --required 300000 --age 40 --car 250000"), {"OnceOff=250000"}),
    Gives(Worked("gross-to-net annual --required 300000 --car 250000 --car-cost 1"), {"OnceOff=0"}),

    Refused("net-to-gross annual --required 50000 --travel-allowance 60000", "",
            "Fringe benefits more than salary required!"),
    Refused("net-to-gross annual --required 1000", "--pension-cont 100", "The employee's"),
    Refused("net-to-gross annual --required 99999999.99", "", "No gross salary"),

    Mistake("package net-to-gross annual --required -1"),
    Mistake("package net-to-gross annual --required 100000000"),
    Mistake("package gross-to-net monthly --age 1000"),
    Mistake("package gross-to-net monthly --members 2.5"),
    Mistake("package gross-to-net monthly --other-expenses 1,2,3,4,5"),
    Mistake("package gross-to-net monthly --other-expenses 1,,2"),
    Mistake("package gross-to-net monthly --car-maintenance-plan maybe"),
    Mistake("package gross-to-net monthly --car-fb-rate 1.5"),
    Mistake("package gross-to-net monthly --uif-limit 12.5"),
    Mistake("package gross-to-net monthly --month-members 2"),
    Mistake("package gross-to-net"),
    Mistake("package sideways annual"),
};

INSTANTIATE_TEST_SUITE_P(Package, CliCases, ::testing::ValuesIn(kCases), CliCaseName);

double Calc(const std::string& arguments, const char* key, const std::string& funds = "") {
    const CliRun run = RunCli(Worked(arguments, funds));
    EXPECT_EQ(run.ExitCode, 0) << arguments << ": " << run.Err;
    return run.ExitCode == 0 ? nlohmann::json::parse(run.Out)[key].get<double>() : 0;
}

TEST(CliPackage, OtherExpensesComeOffTheGross) {
    EXPECT_EQ(Calc("gross-to-net monthly --required 30000 --age 40 --other-expenses 500", "GrossSal"),
              Calc("gross-to-net monthly --required 30000 --age 40", "GrossSal") - 500);
    EXPECT_NEAR(Calc("gross-to-net annual --required 300000 --age 40 --other-expenses 100,200.5", "GrossSal"),
                Calc("gross-to-net annual --required 300000 --age 40", "GrossSal") - 300.5, 1e-6);
}

// The window's rule on the funds' percentages is not applied to options.
TEST(CliPackage, FundsGivenAsOptionsAreTaken) {
    const std::string funds = "--pension-cont 20 --employer-pen-cont 10";
    EXPECT_GT(Calc("net-to-gross annual --required 150000 --age 40", "FundEE", funds), 0);
    EXPECT_GT(Calc("net-to-gross annual --required 150000 --age 40", "FundER", funds), 0);
}

}  // namespace
}  // namespace kelvara::testing

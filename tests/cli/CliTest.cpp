#include <gtest/gtest.h>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

// Each option of a command's help with its kind, bounds and true default.
CliCase Help(const std::string& command, const std::string& said) {
    return Shows(command + " --help", {said}, {" TEXT ", "Settings.db", "(default empty)", "(above 0)"});
}

// QuickTax as its window gives it: the commitment, a twelfth of it a month and
// the average rate after rebates.
CliCase QuickTax(const std::string& arguments, double commitment, double averageAfter) {
    return Gives("quicktax " + arguments,
                 {Figure("QtTaxCommitment", commitment), Figure("MonthlyTaxCommitment", commitment / 12),
                  Figure("QtAverageRateAfter", averageAfter) + "~1e-9"});
}

const CliCase kCases[] = {
    Gives("tax --income 500000 --age 40", {"Tax=116237", "Rebate=17820", "BaseTax=79998", "MarginalRate=31",
                                           "BracketLower=383100", "BracketUpper=530200"}),
    // Numbers read back exactly, as the shortest text of the double.
    Shows("tax --income=245101 --age=-3", {"\"Tax\": 44118.26,", "\"Portion\": 0.26,"}),
    Gives("tax --income -1000", {"Tax=-180"}),
    Shows("quicktax --income 500000", {"\"TaxableIncome\": 500000,"}),
    QuickTax("--income 0 --age 0", 0, 0),
    QuickTax("--income 500000 --age 40", 98417, 19.6834),
    QuickTax("--income 1000000 --age 75", 275279, 27.5279),
    QuickTax("--income 150000 --age 65", 0, 0),

    Mistake("tax --income abc"),
    Mistake("tax --income 1e999"),
    Mistake("tax --income"),
    Mistake("tax --age 40000"),
    Mistake("tax --age 4.5"),
    Mistake("tax --bogus 1"),
    Mistake("quicktax --income -1"),
    Mistake("quicktax --age 100", {"--age", "100", "0 to 99"}),
    Mistake("quicktax --income 100000000"),
    Mistake(""),
    Mistake("nosuchcommand"),
    Mistake("tax --format xml"),
    Mistake("bogus", {"'bogus' is not a command of kelvara-calc (commands: tax,"}),
    Mistake("paye bogus", {"'bogus' is not a command of kelvara-calc paye"}),

    // Help and version go to standard output.
    Shows("--help", {"quicktax"}),
    Shows("--version", {"1.1.0"}),
    Help("quicktax", "0 to 99999999"),
    Help("paye monthly",
         "--salary WHOLE              salary/remuneration for the period, rand (0 to 99999999; default 0)"),
    Help("paye daily", "--salary AMOUNT"),
    Help("paye weekly", "(0 to 100; default: the stored setting)"),
    Help("paye annual", "--start-date DATE"),
    Help("package gross-to-net annual", "--employee-uif AMOUNT"),
    Help("package net-to-gross monthly", "Net to gross, monthly amounts"),
    Help("package net-to-gross monthly", "(yes or no; default: the stored setting)"),
    Help("amortisation monthly", "(1 to 600; required)"),
    Help("daily-balance", "; default: none)"),
};

INSTANTIATE_TEST_SUITE_P(Tax, CliCases, ::testing::ValuesIn(kCases), CliCaseName);

TEST(CliUsage, SettingsOptionsDefaultToTheStoredSetting) {
    const std::string package = RunCli("package gross-to-net monthly --help").Out;
    for (const char* stored : {"--uif-limit", "--pension-cont", "--car-fb-rate"}) {
        const std::size_t at = package.find(stored);
        const std::string line = package.substr(at, package.find('\n', at) - at);
        EXPECT_NE(line.find("default: the stored setting"), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace kelvara::testing

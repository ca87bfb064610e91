#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

constexpr const char* kTwoCars =
    R"({"Actual3802": 50000, "AutoSplit3802": true, "vehicles": [
        {"CCRegNumber": "A1", "CCPrice": 300000, "EndMileage": 20000, "BusDistance": 5000, "BussMilage": true},
        {"CCRegNumber": "B2", "CCPrice": 200000, "EndMileage": 10000}]})";

CliCase Text(const std::string& arguments, std::vector<std::string> shown) {
    return Shows(arguments + " --format text", std::move(shown));
}

const CliCase kCases[] = {
    Text("tax --income 500000 --age 70",
         {"Total tax [Tax]                  116 237.00\n", "Rebates [Rebate]                  27 585.00\n"}),
    Text("quicktax --income 500000 --age 40",
         {"Age [QtAge]  ", "Less rebates [QtRebate]  ", "Taxable Income [TaxableIncome]"}),
    // Month members are given in tax-year order, March first.
    Text("paye annual --salary 300000 --month-members 1,2,3,4,5,6,7,8,9,10,11,12 --employee-med-aid-cont 20000",
         {"Total tax deduction [TaxAfterCredits]  ",
          "Number of Medical Aid Beneficiaries [MonthMembers]\n"
          "  Mar  Apr  May  Jun  Jul  Aug  Sep  Oct  Nov  Dec  Jan  Feb\n"
          "    1    2    3    4    5    6    7    8    9   10   11   12\n"}),
    Text("paye monthly --salary 30000", {"UIF contribution Employee [UIFEmployee]  ", "S.D.L. [SkillsLevy]  "}),
    Text("package net-to-gross monthly --required 30000",
         {"Medical scheme fees credit [MSFC]  ", "Total cost to company [TotCostComp]  ", "Gross salary [GrossSal]  ",
          "[Search]  "}),
    Text("package gross-to-net annual --required 400000", {"Net salary(take-home) [GrossSal]  "}),
    Text("amortisation annual --principal 100000 --period 30 --rate 10",
         {"Annual amortisation [rows]\n"
          "  Year  Capital payments  Interest payment    Balance\n"
          "     1         37 040.88          8 332.81  62 959.12\n"
          "     2         40 919.54          4 454.15  22 039.58\n"
          "     3         22 039.58            647.27       0.00\n"}),
    Text("loan-comparison --principal 1000000 --rate 11",
         {"  Period (yrs.)  Monthly repayment  Total Interest    Total Paid\n"
          "              5          21 742.42      304 545.38  1 304 545.38\n"}),
    OnInput(kTwoCars, "company_car",
            Text("company-car --input {input}", {"Vehicle 1\n  No of days [DaysOfUse]  ", "Vehicle 2\n",
                                                 "Total Adjustment to taxable income [TotalAdjustment]  "})),
    Text("travel-allowance --vehicle-value 300000 --closing-km 30000 --business-km 12000",
         {"Fixed cost, cents/km [FixedCentsPerKm]  "}),
    Text("loan --principal 100000 --period 60 --rate 10", {"Total Repayments [TotalRepayments]  "}),
    Text("loan-buster --principal 500000 --period 240 --rate 10 --extra 1000", {"Total saving [TotalSaving]  "}),
    Text("inflation --present-cost 1000 --period 10 --rate 5", {"Buying power [BuyingPower]  "}),
    Text("daily-balance --capital 1000 --rate 5 --start-date 01/03/2026 --end-date 31/03/2026",
         {"Number of days [Days]  "}),
    // A refusal: its title and message on two lines.
    {.Command = "paye fortnightly --this-days 0 --format text",
     .Status = 1,
     .Out = {"Incorrect Number of Days\nThe number of 'This fortnight' days"}},
};

INSTANTIATE_TEST_SUITE_P(Text, CliCases, ::testing::ValuesIn(kCases), CliCaseName);

// Every key of a result, at any depth.
void KeysOf(const nlohmann::json& value, std::vector<std::string>& keys) {
    for (const auto& [key, item] : value.items()) {
        if (value.is_object()) keys.push_back(key);
        if (item.is_structured()) KeysOf(item, keys);
    }
}

// The text reads as the windows do, not as the JSON: no figure is labelled by
// its bare key, as "QtAge   40" was, and the figures' values end in one column,
// blocks of rows included.
TEST(CliText, CaptionsAndOneColumnOfValues) {
    for (const CliCase& c : kCases) {
        const InputFile input(c.Input);
        std::string arguments = c.Command.substr(0, c.Command.find(" --format text"));
        if (const std::size_t at = arguments.find("{input}"); at != std::string::npos)
            arguments.replace(at, 7, input.Path());
        SCOPED_TRACE(arguments);
        const CliRun json = RunCli(arguments);
        EXPECT_EQ(json.ExitCode, c.Status);
        std::vector<std::string> keys;
        KeysOf(nlohmann::json::parse(json.Out), keys);
        std::istringstream lines(RunCli(arguments + " --format text").Out);
        std::size_t figureLineLength = 0;
        for (std::string line; std::getline(lines, line);) {
            ASSERT_FALSE(line.empty());
            const std::string label = line.substr(line.find_first_not_of(' '));
            for (const std::string& key : keys) EXPECT_NE(label.rfind(key + "  ", 0), 0u) << line;
            if (std::regex_search(line, std::regex(R"(\] +\S+$)"))) {
                if (figureLineLength == 0) figureLineLength = line.size();
                EXPECT_EQ(line.size(), figureLineLength) << line;
            }
        }
    }
}

}  // namespace
}  // namespace kelvara::testing

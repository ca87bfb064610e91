#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

using nlohmann::json;

// The delivered settings, given so that no stored change can move the figures.
const std::string DeliveredSetup =
    " --employee-uif 1 --employer-uif 1 --skill-levy 1 --uif-limit 17712 --ta-inc-rate 0.8";

json Paye(const std::string& arguments) {
    const CliRun run = RunCli("paye " + arguments + DeliveredSetup);
    EXPECT_EQ(run.ExitCode, 0) << arguments << ": " << run.Err << run.Out;
    return json::parse(run.Out);
}

TEST(CliPaye, GivesTheCalculatorsFigures) {
    const struct {
        const char* Arguments;
        const char* Key;
        double Value;
    } cases[] = {
        {"monthly --salary 25000 --end-date 15/03/2026", "TaxAfterCredits", 5649.475806451613},
        {"monthly --salary 25000 --end-date 2026-03-15", "TaxableIncome", 620000},
        {"monthly --salary 20000 --travel-allowance 5000", "TaxableTravel", 4000},
        {"monthly --salary 25000", "UIFEmployee", 177.12},
        {"annual --salary 300000 --bonus 20000", "PeriodTax", 45772},
        {"annual --salary 300000 --bonus 20000", "TaxableIncome", 300000},
        {"weekly --salary 6000 --normal-days 5 --this-days 3", "PeriodTax", 1207.1192307692307},
        {"fortnightly --salary 12000", "PeriodTax", 1680.4615384615386},
        {"daily --salary 1200 --bonus 2000", "PeriodTax", 688.0461538461538},
        {"daily --members 20 --employee-med-aid-cont 20", "MedicalCredit", 63888.0 / 260},
    };
    for (const auto& c : cases) EXPECT_NEAR(Paye(c.Arguments)[c.Key].get<double>(), c.Value, 1e-9) << c.Arguments;
}

TEST(CliPaye, AnnualMonthMembersInTaxYearOrderAfterClearing) {
    const json r = Paye("annual --month-members 2 --employee-med-aid-cont 100 --start-date 01/06/2026");
    EXPECT_EQ(r["MonthMembers"], json({0, 0, 0, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(r["MedicalCredit"], 9 * 752);
    EXPECT_FALSE(r.contains("UIFEmployee"));
}

TEST(CliPaye, RefusalsOfTheWindowsExitWithStatus1) {
    const struct {
        const char* Arguments;
        const char* Title;
        const char* Message;
    } cases[] = {
        {"monthly --end-date 01/04/2026", "Incorrect Date",
         "The Start and End dates entered must be for the same Month"},
        {"monthly --start-date 15/03/2026 --end-date 10/03/2026", "Incorrect Date",
         "The Start date entered must be before the End date"},
        {"weekly --normal-days 5 --this-days 6", "Incorrect Number of Days",
         "The number of 'Normal work-week' days must be = to or larger than 'This work-week'."},
        {"fortnightly --this-days 0", "Incorrect Number of Days",
         "The number of 'This fortnight' days must be larger than 0."},
        {"annual --start-date 01/06/2026 --end-date 31/05/2026", "Incorrect Date",
         "The date entered is not correct please enter a date between 01/06/2026 and 28/02/2027"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(std::string("paye ") + c.Arguments);
        EXPECT_EQ(run.ExitCode, 1) << c.Arguments;
        const json r = json::parse(run.Out);
        EXPECT_EQ(r["error"]["title"], c.Title) << c.Arguments;
        EXPECT_EQ(r["error"]["message"], c.Message) << c.Arguments;
    }
}

TEST(CliPaye, InputsBeyondTheFieldsAreUsageErrors) {
    ExpectMistakes({
        "paye weekly --this-days 8",
        "paye daily --normal-days 7",
        "paye annual --month-members 1,2",
        "paye annual --month-members 25",
        "paye monthly --start-date 01/03/2027",
        "paye monthly --salary 1.5",
        "paye annual --members 2",
        "paye weekly --salary 10000000",
        "paye monthly --end-date 31/02/2027",
        "paye",
        "paye daily --ta-inc-rate 2",
        "paye daily --csv /no/such/file.csv",
    });
}

class CliPayeBatch : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string& text) {
        std::ofstream(file_) << text;
        return file_;
    }
    ~CliPayeBatch() override { std::filesystem::remove(file_); }

private:
    std::filesystem::path file_ =
        std::filesystem::temp_directory_path() / ("kv-paye-batch-" + std::to_string(::getpid()) + ".csv");
};

TEST_F(CliPayeBatch, ChecksEveryRowAndReportsTheBadOnes) {
    const auto file = Write(
        "salary,end-date,payslip-paye\r\n"
        "25000,15/03/2026,5649.48\r\n"
        "25000,,3400\r\n"
        "\r\n"
        "abc,,\r\n"
        "25000,01/04/2026,\r\n"
        "20000,,\r\n");
    const CliRun run = RunCli("paye monthly --csv " + file.string() + DeliveredSetup);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out,
              "salary,end-date,payslip-paye,FundDeduction,PeriodTax,MedicalCredit,AdditionalCredit,TaxAfterCredits,"
              "TaxableIncome,UIFEmployee,UIFEmployer,SkillsLevy,TaxableTravel,difference\n"
              "25000,15/03/2026,5649.48,0,5649.475806451613,0,0,5649.475806451613,620000,177.12,177.12,250,0,0\n"
              "25000,,3400,0,3381,0,0,3381,300000,177.12,177.12,250,0,19\n"
              "20000,,,0,2115,0,0,2115,240000,177.12,177.12,200,0,\n");
    EXPECT_NE(run.Err.find("line 5: --salary 'abc' is not a number"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("line 6: Incorrect Date: The Start and End dates entered must be for the same Month"),
              std::string::npos)
        << run.Err;
}

TEST_F(CliPayeBatch, AnnualRowsTakeQuotedMonthLists) {
    const auto file = Write("salary,month-members,employee-med-aid-cont\n300000,\"2,2,2,2,2,2,2,2,2,2,2,3\",10\n");
    const CliRun run = RunCli("paye annual --csv " + file.string());
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Out.find(",31294,300000,\"2,2,2,2,2,2,2,2,2,2,2,3\"\n"), std::string::npos) << run.Out;
}

TEST_F(CliPayeBatch, AnUnknownColumnIsAUsageError) {
    const auto file = Write("salary,nickname\n1,2\n");
    const CliRun run = RunCli("paye daily --csv " + file.string());
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_NE(run.Err.find("nickname"), std::string::npos);
}

}  // namespace
}  // namespace kelvara::testing

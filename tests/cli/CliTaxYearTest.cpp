#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

const std::string TestYear = std::string(KV_SOURCE_DIR) + "/tests/engine/TestYear2028.json";

// The same commands in the delivered year, named or by default, and in the
// test year's file: the figures move as the file says.
TEST(CliTaxYear, CommandsWorkInTheYearChosen) {
    const struct {
        const char* Year;
        double Tax, Rebate, Credit;
        const char* LastDay;  // as the help names the year
    } cases[] = {
        {"", 116237, 17820, 752, "28 February 2027"},
        {"--tax-year 2027", 116237, 17820, 752, "28 February 2027"},
        {"--tax-year-file ", 97944 + 78590 * 34.0 / 100, 19602, 2 * 414, "29 February 2028"},
    };
    for (const auto& c : cases) {
        const std::string year = std::string(c.Year) + (std::string(c.Year).ends_with(' ') ? TestYear : "");
        const CliRun tax = RunCli("tax --income 500000 --age 40 " + year);
        ASSERT_EQ(tax.ExitCode, 0) << year << tax.Err;
        const auto result = nlohmann::json::parse(tax.Out);
        EXPECT_DOUBLE_EQ(result["Tax"].get<double>(), c.Tax) << year;
        EXPECT_DOUBLE_EQ(result["Rebate"].get<double>(), c.Rebate) << year;
        const CliRun paye = RunCli(year + " paye monthly --salary 30000 --members 2 --employee-med-aid-cont 3000");
        ASSERT_EQ(paye.ExitCode, 0) << year << paye.Err;
        EXPECT_DOUBLE_EQ(nlohmann::json::parse(paye.Out)["MedicalCredit"].get<double>(), c.Credit) << year;
        EXPECT_NE(RunCli(year + " --help").Out.find(c.LastDay), std::string::npos) << year;
    }
}

TEST(CliTaxYear, AnUnusableYearIsAMistake) {
    const std::string broken = ::testing::TempDir() + "kv-broken-year.json";
    std::ofstream(broken) << R"({"format": 1, "year": 2028})";
    const CliRun run = RunCli("tax --income 1 --tax-year-file " + broken);
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_NE(run.Err.find("kv-broken-year.json"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("\"name\" is missing"), std::string::npos) << run.Err;
    std::remove(broken.c_str());
    ExpectMistakes({"tax --income 1 --tax-year 2031", "tax --income 1 --tax-year x",
                    "tax --income 1 --tax-year-file /no/such/year.json"});
}

}  // namespace
}  // namespace kelvara::testing

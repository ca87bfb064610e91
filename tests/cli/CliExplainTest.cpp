#include <gtest/gtest.h>

#include <regex>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

// With --explain every tax command prints its result, a blank line and then
// its working, whose last figures are the result's own.
TEST(CliExplain, PrintsTheWorkingAfterTheResult) {
    const struct {
        const char* Arguments;
        const char* LastLine;  // a line near the working's end, spaces squeezed
    } cases[] = {
        {"paye monthly --salary 25000 --end-date 15/03/2026 --uif-limit 17712",
         "Total tax deduction, not below 0 5 649.48"},
        {"paye annual --salary 300000", "Total tax deduction, not below 0 40 572.00"},
        {"quicktax --income 500000 --age 40",
         "Average rate after rebates: (116 237.00 − 17 820.00) ÷ 500 000.00 × 100, not below 0 19.7%"},
        {"tax --income 620000", "Rebate for age 0 (primary) 17 820.00"},
        {"package net-to-gross monthly --required 12000 --pension-cont 0 --employer-pen-cont 0",
         "Total cost to the company"},
        {"package gross-to-net annual --required 300000", "Total cost to the company"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments);
        const CliRun run = RunCli(std::string(c.Arguments) + " --explain");
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        const std::size_t blank = run.Out.find("\n\n");
        ASSERT_NE(blank, std::string::npos) << run.Out;
        EXPECT_NO_THROW(nlohmann::json::parse(run.Out.substr(0, blank)));
        // The working without its wrapping and alignment.
        const std::string working = run.Out.substr(blank + 2);
        const std::string squeezed = std::regex_replace(working, std::regex("[ \n]+"), " ");
        EXPECT_NE(squeezed.find(c.LastLine), std::string::npos) << working;
    }
}

// Not asked, no working is printed; the other commands do not take the option.
const CliCase kCases[] = {
    Shows("paye monthly --salary 25000", {}, {"\n\n"}),
    Mistake("loan --principal 100000 --explain"),
};

INSTANTIATE_TEST_SUITE_P(Explain, CliCases, ::testing::ValuesIn(kCases), CliCaseName);

}  // namespace
}  // namespace kelvara::testing

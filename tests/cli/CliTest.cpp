#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

using nlohmann::json;

json JsonOf(const CliRun& run) {
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    return json::parse(run.Out);
}

TEST(CliTax, PrintsTheEngineResultAndTheRebate) {
    const json r = JsonOf(RunCli("tax --income 500000 --age 40"));
    EXPECT_EQ(r["Tax"], 116237);
    EXPECT_EQ(r["Rebate"], 17820);
    EXPECT_EQ(r["BaseTax"], 79998);
    EXPECT_EQ(r["MarginalRate"], 31);
    EXPECT_EQ(r["BracketLower"], 383100);
    EXPECT_EQ(r["BracketUpper"], 530200);
}

TEST(CliTax, NumbersReadBackExactly) {
    const CliRun run = RunCli("tax --income=245101 --age=-3");
    EXPECT_NE(run.Out.find("\"Tax\": 44118.26,"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\"Portion\": 0.26,"), std::string::npos) << run.Out;
    EXPECT_EQ(JsonOf(RunCli("tax --income -1000"))["Tax"], -180);
    EXPECT_NE(RunCli("quicktax --income 500000").Out.find("\"TaxableIncome\": 500000,"), std::string::npos);
}

TEST(CliUsage, MistakesExitWithStatus2AndOneLineOnStandardError) {
    ExpectMistakes({
        "tax --income abc",
        "tax --income 1e999",
        "tax --income",
        "tax --age 40000",
        "tax --age 4.5",
        "tax --bogus 1",
        "quicktax --income -1",
        "quicktax --age 100",
        "quicktax --income 100000000",
        "",
        "nosuchcommand",
        "tax --format xml",
    });
    const CliRun run = RunCli("quicktax --age 100");
    EXPECT_NE(run.Err.find("--age"), std::string::npos);
    EXPECT_NE(run.Err.find("100"), std::string::npos);
    EXPECT_NE(run.Err.find("0 to 99"), std::string::npos);
}

TEST(CliUsage, HelpAndVersionGoToStandardOutput) {
    const CliRun help = RunCli("--help");
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("quicktax"), std::string::npos);
    const CliRun commandHelp = RunCli("quicktax --help");
    EXPECT_EQ(commandHelp.ExitCode, 0);
    EXPECT_NE(commandHelp.Out.find("0 to 99999999"), std::string::npos) << commandHelp.Out;
    const CliRun version = RunCli("--version");
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_NE(version.Out.find("1.1.0"), std::string::npos);
}

TEST(CliUsage, HelpGivesEveryOptionItsKindBoundsAndTrueDefault) {
    const struct {
        const char* Command;
        const char* Said;
    } cases[] = {
        {"paye monthly",
         "--salary WHOLE              salary/remuneration for the period, rand (0 to 99999999; default 0)"},
        {"paye daily", "--salary AMOUNT"},
        {"paye weekly", "(0 to 100; default: the stored setting)"},
        {"paye annual", "--start-date DATE"},
        {"package gross-to-net annual", "--employee-uif AMOUNT"},
        {"package net-to-gross monthly", "Net to gross, monthly amounts"},
        {"package net-to-gross monthly", "(yes or no; default: the stored setting)"},
        {"amortisation monthly", "(1 to 600; required)"},
        {"daily-balance", "; default: none)"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(std::string(c.Command) + " --help");
        EXPECT_EQ(run.ExitCode, 0) << c.Command;
        EXPECT_NE(run.Out.find(c.Said), std::string::npos) << c.Command << ":\n" << run.Out;
        for (const char* wrong : {" TEXT ", "Settings.db", "(default empty)", "(above 0)"})
            EXPECT_EQ(run.Out.find(wrong), std::string::npos) << c.Command << ": " << wrong;
    }
    const std::string package = RunCli("package gross-to-net monthly --help").Out;
    for (const char* stored : {"--uif-limit", "--pension-cont", "--car-fb-rate"}) {
        const std::size_t at = package.find(stored);
        const std::string line = package.substr(at, package.find('\n', at) - at);
        EXPECT_NE(line.find("default: the stored setting"), std::string::npos) << line;
    }
    EXPECT_NE(RunCli("bogus").Err.find("'bogus' is not a command of kelvara-calc (commands: tax,"), std::string::npos);
    EXPECT_NE(RunCli("paye bogus").Err.find("'bogus' is not a command of kelvara-calc paye"), std::string::npos);
}

struct QuickTaxExample {
    const char* Arguments;
    double Commitment;
    double AverageAfter;
};

TEST(CliQuickTax, GivesTheWindowsFigures) {
    const QuickTaxExample cases[] = {
        {"--income 0 --age 0", 0, 0},
        {"--income 500000 --age 40", 98417, 19.6834},
        {"--income 1000000 --age 75", 275279, 27.5279},
        {"--income 150000 --age 65", 0, 0},
    };
    for (const auto& c : cases) {
        const json r = JsonOf(RunCli(std::string("quicktax ") + c.Arguments));
        EXPECT_DOUBLE_EQ(r["QtTaxCommitment"].get<double>(), c.Commitment) << c.Arguments;
        EXPECT_NEAR(r["QtAverageRateAfter"].get<double>(), c.AverageAfter, 1e-9) << c.Arguments;
        EXPECT_DOUBLE_EQ(r["MonthlyTaxCommitment"].get<double>(), c.Commitment / 12) << c.Arguments;
    }
}

}  // namespace
}  // namespace kelvara::testing

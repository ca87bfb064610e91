#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

using nlohmann::json;

json Calc(const std::string& arguments) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.ExitCode, 0) << arguments << ": " << run.Err;
    return json::parse(run.Out);
}

double Cents(const json& value) { return std::round(value.get<double>() * 100) / 100; }

TEST(CliLoan, EachModeSolvesForItsQuantity) {
    struct Case {
        const char* Arguments;
        const char* Key;
        double Expected;
    };
    const Case cases[] = {
        {"--principal 100000 --period 60 --rate 10", "Repayment", 2124.70},
        {"--mode principal --period 60 --rate 10 --repayment 2124.70", "Principal", 99999.79},
        {"--mode period --principal 100000 --rate 10 --repayment 2500", "Repayment", 2536.26},
        {"--mode rate --principal 100000 --period 60 --repayment 2124.70", "AnnualRate", 9.99},
    };
    for (const Case& c : cases) {
        const json r = Calc(std::string("loan ") + c.Arguments);
        EXPECT_EQ(Cents(r[c.Key]), c.Expected) << c.Arguments;
        EXPECT_EQ(r["RateError"], false);
    }
    const json period = Calc("loan --mode period --principal 100000 --rate 10 --repayment 2500");
    EXPECT_EQ(period["PeriodMonths"], 48);
    EXPECT_EQ(Cents(Calc("loan --principal 100000 --period 60 --rate 10")["TotalInterest"]), 27482.27);
    EXPECT_EQ(Calc("loan --mode rate --principal 100000 --period 60 --repayment 5000")["RateError"], true);
    const json oneMonth = Calc("loan --mode period --principal 100000 --rate 10 --repayment 200000");
    EXPECT_EQ(oneMonth["PeriodMonths"], 1);
    EXPECT_NEAR(oneMonth["Repayment"].get<double>(), 100833.34, 1e-6) << "a whole cent";
}

TEST(CliAmortisation, AnnualScheduleEndsWithThePartYear) {
    const json r = Calc("amortisation annual --principal 100000 --period 30 --rate 10");
    EXPECT_EQ(r["WholeYears"], 2);
    EXPECT_EQ(r["ScheduleKind"], 2);
    ASSERT_EQ(r["rows"].size(), 3u);
    EXPECT_EQ(r["rows"][2]["n"], 3);
    EXPECT_EQ(Cents(r["rows"][2]["Capital"]), 22039.58);
    EXPECT_EQ(Cents(r["rows"][2]["Interest"]), 647.27);

    const json monthly = Calc("amortisation monthly --principal 100000 --period 12 --rate 10");
    ASSERT_EQ(monthly["rows"].size(), 12u);
    EXPECT_EQ(Cents(monthly["rows"][0]["Balance"]), 92041.74);

    const json shortLoan = Calc("amortisation annual --principal 100000 --period 6 --rate 10 --repayment 17200");
    ASSERT_EQ(shortLoan["rows"].size(), 1u);
    EXPECT_EQ(Cents(shortLoan["rows"][0]["Interest"]), 3200);
}

TEST(CliLoanBuster, ExtraPaymentAndMissingInputs) {
    const json r = Calc("loan-buster --principal 500000 --period 240 --rate 10.5 --extra 1000");
    EXPECT_EQ(Cents(r["TotalInterest"]), 698055.86);
    EXPECT_EQ(r["NewPeriod"], 150);
    EXPECT_EQ(Cents(r["ExtraPayment"]), 1006.90);
    EXPECT_EQ(Cents(r["TotalSaving"]), 298235.95);
    for (const char* extra : {"0", "0.01"}) {
        const json longest =
            Calc(std::string("loan-buster --principal 500000 --period 600 --rate 10.5 --extra ") + extra);
        EXPECT_EQ(longest["NewPeriod"], 600) << extra;
    }
    const json none = Calc("loan-buster --period 240 --rate 10.5 --extra 1000");
    for (const auto& [key, value] : none.items()) EXPECT_EQ(value, key == "ExtraPayment" ? 1000 : 0) << key;
}

TEST(CliLoanComparison, SixRows) {
    const json r = Calc("loan-comparison --principal 500000 --rate 10.5");
    ASSERT_EQ(r["rows"].size(), 6u);
    EXPECT_EQ(r["rows"][0]["Years"], 5);
    EXPECT_EQ(r["rows"][5]["Years"], 30);
    EXPECT_EQ(Cents(r["rows"][5]["TotalInterest"]), 1146530.73);
}

TEST(CliInflation, ProjectionAndTooLarge) {
    const json r = Calc("inflation --present-cost 100000 --period 10 --rate 6");
    EXPECT_EQ(Cents(r["FutureValue"]), 179084.77);
    EXPECT_EQ(Cents(r["BuyingPower"]), 55839.48);
    EXPECT_EQ(r["TooLarge"], false);
    EXPECT_EQ(Calc("inflation --present-cost 2147483647 --period 40 --rate 40")["TooLarge"], true);
}

TEST(CliDailyBalance, InterestBetweenTwoDates) {
    const json r = Calc("daily-balance --capital 100000 --rate 10 --start-date 01/03/2026 --end-date 2026-04-01");
    EXPECT_EQ(r["Days"], 31);
    EXPECT_EQ(Cents(r["Interest"]), 849.32);
    EXPECT_EQ(Calc("daily-balance --capital 100000 --rate 10 --start-date 01/03/2026")["Days"], 0);

    const CliRun refused = RunCli("daily-balance --start-date 01/03/2026 --end-date 28/02/2026");
    EXPECT_EQ(refused.ExitCode, 1);
    const json error = json::parse(refused.Out)["error"];
    EXPECT_EQ(error["title"], "DATE OUT OF RANGE");
    EXPECT_EQ(error["message"], "The date entered is more than 30 years(360 months) after 01/03/2026.");
}

TEST(CliFinanceUsage, OutOfBoundsAndMissingValuesExitWithStatus2) {
    ExpectMistakes({
        "loan --period 601",
        "loan --rate 50.5",
        "loan --mode bogus",
        "loan --repayment 10000000",
        "amortisation monthly --principal 100000 --rate 10",
        "amortisation annual --principal 0 --period 12 --rate 10",
        "amortisation",
        "loan-buster --extra -1",
        "loan-comparison --rate 51",
        "inflation --rate -5.5",
        "inflation --period 41",
        "inflation --present-cost 2147483648",
        "daily-balance --rate 40.5",
        "daily-balance --start-date 31/02/2026",
    });
}

}  // namespace
}  // namespace kelvara::testing

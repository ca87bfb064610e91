#include <gtest/gtest.h>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

// Each of the loan's modes solves for its quantity; "~0.005" is to the cent.
CliCase Loan(const std::string& arguments, std::vector<std::string> figures) {
    figures.emplace_back("RateError=false");
    return Gives("loan " + arguments, figures);
}

const CliCase kCases[] = {
    Loan("--principal 100000 --period 60 --rate 10", {"Repayment=2124.70~0.005", "TotalInterest=27482.27~0.005"}),
    Loan("--mode principal --period 60 --rate 10 --repayment 2124.70", {"Principal=99999.79~0.005"}),
    Loan("--mode period --principal 100000 --rate 10 --repayment 2500", {"Repayment=2536.26~0.005", "PeriodMonths=48"}),
    Loan("--mode rate --principal 100000 --period 60 --repayment 2124.70", {"AnnualRate=9.99~0.005"}),
    Gives("loan --mode rate --principal 100000 --period 60 --repayment 5000", {"RateError=true"}),
    // Paid in one month, the repayment is a whole cent.
    Gives("loan --mode period --principal 100000 --rate 10 --repayment 200000",
          {"PeriodMonths=1", "Repayment=100833.34~1e-6"}),

    // The annual schedule ends with the part year.
    Gives("amortisation annual --principal 100000 --period 30 --rate 10",
          {"WholeYears=2", "ScheduleKind=2", "rows/2/n=3", "!rows/3", "rows/2/Capital=22039.58~0.005",
           "rows/2/Interest=647.27~0.005"}),
    Gives("amortisation monthly --principal 100000 --period 12 --rate 10",
          {"rows/11/n=12", "!rows/12", "rows/0/Balance=92041.74~0.005"}),
    Gives("amortisation annual --principal 100000 --period 6 --rate 10 --repayment 17200",
          {"!rows/1", "rows/0/Interest=3200~0.005"}),

    Gives("loan-buster --principal 500000 --period 240 --rate 10.5 --extra 1000",
          {"TotalInterest=698055.86~0.005", "NewPeriod=150", "ExtraPayment=1006.90~0.005",
           "TotalSaving=298235.95~0.005"}),
    Gives("loan-buster --principal 500000 --period 600 --rate 10.5 --extra 0", {"NewPeriod=600"}),
    Gives("loan-buster --principal 500000 --period 600 --rate 10.5 --extra 0.01", {"NewPeriod=600"}),
    Gives("loan-comparison --principal 500000 --rate 10.5",
          {"rows/0/Years=5", "rows/5/Years=30", "!rows/6", "rows/5/TotalInterest=1146530.73~0.005"}),

    Gives("inflation --present-cost 100000 --period 10 --rate 6",
          {"FutureValue=179084.77~0.005", "BuyingPower=55839.48~0.005", "TooLarge=false"}),
    Gives("inflation --present-cost 2147483647 --period 40 --rate 40", {"TooLarge=true"}),

    Gives("daily-balance --capital 100000 --rate 10 --start-date 01/03/2026 --end-date 2026-04-01",
          {"Days=31", "Interest=849.32~0.005"}),
    Gives("daily-balance --capital 100000 --rate 10 --start-date 01/03/2026", {"Days=0"}),
    Refusal("daily-balance --start-date 01/03/2026 --end-date 28/02/2026", "DATE OUT OF RANGE",
            "The date entered is more than 30 years(360 months) after 01/03/2026."),

    Mistake("loan --period 601"),
    Mistake("loan --rate 50.5"),
    Mistake("loan --mode bogus"),
    Mistake("loan --repayment 10000000"),
    Mistake("amortisation monthly --principal 100000 --rate 10"),
    Mistake("amortisation annual --principal 0 --period 12 --rate 10"),
    Mistake("amortisation"),
    Mistake("loan-buster --extra -1"),
    Mistake("loan-comparison --rate 51"),
    Mistake("inflation --rate -5.5"),
    Mistake("inflation --period 41"),
    Mistake("inflation --present-cost 2147483648"),
    Mistake("daily-balance --rate 40.5"),
    Mistake("daily-balance --start-date 31/02/2026"),
};

INSTANTIATE_TEST_SUITE_P(Finance, CliCases, ::testing::ValuesIn(kCases), CliCaseName);

// Without a principal the loan buster works nothing out: every figure is 0
// but the extra payment given.
TEST(CliLoanBuster, MissingInputsGiveNoFigures) {
    const CliRun run = RunCli("loan-buster --period 240 --rate 10.5 --extra 1000");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::json result = nlohmann::json::parse(run.Out);
    ASSERT_FALSE(result.empty());
    for (const auto& [key, value] : result.items()) EXPECT_EQ(value, key == "ExtraPayment" ? 1000 : 0) << key;
}

}  // namespace
}  // namespace kelvara::testing

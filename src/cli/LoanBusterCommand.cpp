#include "FinanceCommands.h"
#include "LoanBuster.h"

namespace kelvara::cli {

namespace {

// The text output's names of the figures: the loan buster window's captions.
constexpr Caption kCaptions[] = {
    {"Repayment", "Monthly repayment"},
    {"TotalInterest", "Total interest"},
    {"TotalRepayments", "Total repayments"},
    {"ExtraPayment", "Extra voluntary payments"},
    {"NewPeriod", "Period with extra payments, months"},
    {"NewRepayment", "Monthly repayment with extra payments"},
    {"NewTotalInterest", "Total interest with extra payments"},
    {"NewTotalRepayments", "Total repayments with extra payments"},
    {"TotalSaving", "Total saving"},
};

}  // namespace

void AddLoanBusterCommand(CLI::App& app, CommandList& commands) {
    Command& command =
        NewCommand(app, commands, "loan-buster", "Loan buster: what an extra monthly payment does to a loan");
    NumberOptions& numbers = *command.Numbers;
    namespace fields = LoanBusterFields;
    double& principal = numbers.Amount("principal", fields::Principal.Bounds.Min, fields::Principal.Bounds.Max, 0,
                                       "principal amount, rand");
    long long& period = numbers.Whole("period", static_cast<long long>(fields::Period.Bounds.Min),
                                      static_cast<long long>(fields::Period.Bounds.Max), 0, "repayment period, months");
    double& rate = numbers.Amount("rate", fields::Rate.Bounds.Min, fields::Rate.Bounds.Max, 0, "interest rate, % p.a.");
    double& extra = numbers.Amount("extra", fields::Extra.Bounds.Min, fields::Extra.Bounds.Max, 0,
                                   "extra voluntary payment a month, rand");
    command.Captions.assign(std::begin(kCaptions), std::end(kCaptions));
    command.Run = [&principal, &period, &rate, &extra] {
        LoanBusterState buster{principal, static_cast<float>(rate), extra};
        LoanBusterResult r;
        BBCalc(buster, static_cast<std::int16_t>(period), r);
        Result result;
        result["Repayment"] = r.Repayment;
        result["TotalInterest"] = r.TotalInterest;
        result["TotalRepayments"] = r.TotalRepayments;
        result["ExtraPayment"] = buster.ExtraPayment;
        result["NewPeriod"] = static_cast<long long>(r.NewPeriod);
        result["NewRepayment"] = r.NewRepayment;
        result["NewTotalInterest"] = r.NewTotalInterest;
        result["NewTotalRepayments"] = r.NewTotalRepayments;
        result["TotalSaving"] = r.TotalSaving;
        return result;
    };
}

}  // namespace kelvara::cli

#include <map>
#include <memory>

#include "FinanceCommands.h"
#include "Loan.h"

namespace kelvara::cli {

namespace {

const std::map<std::string, const char*> ModeChoices{
    {"repayment", LoanModes[0]}, {"principal", LoanModes[1]}, {"period", LoanModes[2]}, {"rate", LoanModes[3]}};

// The text output's names of the figures: the loan window's captions.
constexpr Caption kCaptions[] = {
    {"Principal", "Principal amount"},
    {"PeriodMonths", "Period, months"},
    {"AnnualRate", "Interest rate, % p.a."},
    {"Repayment", "Monthly repayment"},
    {"TotalInterest", "Total Interest"},
    {"TotalRepayments", "Total Repayments"},
    {"RateError", "Error: the rate search ended above 50%"},
};

}  // namespace

void AddLoanCommand(CLI::App& app, CommandList& commands) {
    Command& command =
        NewCommand(app, commands, "loan", "Loan calculator: the repayment, principal, period or rate of a loan");
    auto mode = std::make_shared<std::string>("repayment");
    command.App->add_option("--mode", *mode, "the quantity to calculate (default repayment)")
        ->check(CLI::IsMember({"repayment", "principal", "period", "rate"}));
    NumberOptions& numbers = *command.Numbers;
    double& principal = numbers.Amount("principal", LoanFields::Principal.Bounds.Min, LoanFields::Principal.Bounds.Max,
                                       0, "principal amount, rand");
    long long& period =
        numbers.Whole("period", static_cast<long long>(LoanFields::Period.Bounds.Min),
                      static_cast<long long>(LoanFields::Period.Bounds.Max), 0, "repayment period, months");
    double& rate =
        numbers.Amount("rate", LoanFields::Rate.Bounds.Min, LoanFields::Rate.Bounds.Max, 0, "interest rate, % p.a.");
    double& repayment = numbers.Amount("repayment", LoanFields::Repayment.Bounds.Min, LoanFields::Repayment.Bounds.Max,
                                       0, "monthly repayment, rand");
    command.Captions.assign(std::begin(kCaptions), std::end(kCaptions));
    command.Run = [mode, &principal, &period, &rate, &repayment] {
        LoanState loan;
        loan.LoanMode = ModeChoices.at(*mode);
        loan.Principal = principal;
        loan.PeriodMonths = static_cast<double>(period);
        loan.AnnualRate = rate;
        loan.Repayment = repayment;
        const bool rateError = LoanCalc(loan);
        Result result;
        result["Principal"] = loan.Principal;
        result["PeriodMonths"] = static_cast<long long>(loan.PeriodMonths);
        result["AnnualRate"] = loan.AnnualRate;
        result["Repayment"] = loan.Repayment;
        result["TotalInterest"] = TotalInterest(loan);
        result["TotalRepayments"] = TotalRepayments(loan);
        result["RateError"] = rateError;
        return result;
    };
}

}  // namespace kelvara::cli

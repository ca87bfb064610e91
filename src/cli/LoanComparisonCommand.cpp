#include "FinanceCommands.h"
#include "LoanComparison.h"

namespace kelvara::cli {

namespace {

// The text output's names of the figures: the comparison table's column headings.
constexpr Caption kCaptions[] = {
    {"rows", "Loan comparison"},         {"Years", "Period (yrs.)"},  {"Repayment", "Monthly repayment"},
    {"TotalInterest", "Total Interest"}, {"TotalPaid", "Total Paid"},
};

}  // namespace

void AddLoanComparisonCommand(CLI::App& app, CommandList& commands) {
    Command& command =
        NewCommand(app, commands, "loan-comparison", "Loan comparison: one bond repaid over 5 to 30 years");
    NumberOptions& numbers = *command.Numbers;
    namespace fields = LoanComparisonFields;
    double& principal =
        numbers.Amount("principal", fields::Principal.Bounds.Min, fields::Principal.Bounds.Max, 0, "bond amount, rand");
    double& rate = numbers.Amount("rate", fields::Rate.Bounds.Min, fields::Rate.Bounds.Max, 0, "interest rate, % p.a.");
    command.Captions.assign(std::begin(kCaptions), std::end(kCaptions));
    command.Run = [&principal, &rate] {
        Result rows = Result::array();
        for (const LoanComparisonRow& row : Compare({principal, static_cast<float>(rate)})) {
            Result item;
            item["Years"] = static_cast<long long>(row.Months / 12);
            item["Repayment"] = row.Repayment;
            item["TotalInterest"] = row.TotalInterest;
            item["TotalPaid"] = row.TotalPaid;
            rows.push_back(item);
        }
        Result result;
        result["rows"] = rows;
        return result;
    };
}

}  // namespace kelvara::cli

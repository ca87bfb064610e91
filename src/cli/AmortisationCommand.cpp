#include "Amortisation.h"
#include "FinanceCommands.h"

namespace kelvara::cli {

namespace {

Result RowsOf(const std::vector<ScheduleRow>& rows) {
    Result list = Result::array();
    for (const ScheduleRow& row : rows) {
        Result item;
        item["n"] = static_cast<long long>(row.Number);
        item["Capital"] = row.Capital;
        item["Interest"] = row.Interest;
        item["Balance"] = row.Balance;
        list.push_back(item);
    }
    return list;
}

// The text output's names of the figures: the schedule tables' column headings.
constexpr Caption kMonthlyCaptions[] = {
    {"rows", "Monthly amortisation"}, {"n", "Month"},         {"Capital", "Capital payment"},
    {"Interest", "Interest payment"}, {"Balance", "Balance"},
};
constexpr Caption kAnnualCaptions[] = {
    {"rows", "Annual amortisation"},
    {"n", "Year"},
    {"Capital", "Capital payments"},
    {"Interest", "Interest payment"},
    {"Balance", "Balance"},
    {"WholeYears", "Whole years"},
    {"ScheduleKind", "Schedule kind (2: a part year last)"},
};

void AddSchedule(CLI::App& parent, CommandList& commands, bool annual) {
    Command& command = NewCommand(parent, commands, annual ? "annual" : "monthly",
                                  annual ? "the loan year by year, a part year last" : "the loan month by month");
    NumberOptions& numbers = *command.Numbers;
    double& principal = numbers.Amount("principal", 0.01, LoanFields::Principal.Bounds.Max, 0, "principal amount, rand",
                                       NumberOptions::Required);
    long long& period = numbers.Whole("period", 1, 600, 0, "repayment period, months", NumberOptions::Required);
    double& rate =
        numbers.Amount("rate", 0.001, LoanFields::Rate.Bounds.Max, 0, "interest rate, % p.a.", NumberOptions::Required);
    double& repayment = numbers.Amount("repayment", LoanFields::Repayment.Bounds.Min, LoanFields::Repayment.Bounds.Max,
                                       0, "monthly repayment for the part year", "default: the annuity repayment");
    if (annual) {
        command.Captions.assign(std::begin(kAnnualCaptions), std::end(kAnnualCaptions));
    } else {
        command.Captions.assign(std::begin(kMonthlyCaptions), std::end(kMonthlyCaptions));
    }
    command.Run = [annual, &numbers, &principal, &period, &rate, &repayment] {
        for (const char* needed : {"principal", "period", "rate"}) {
            if (!numbers.Given(needed)) throw UsageError(std::string("--") + needed + " is required (above 0)");
        }
        LoanState loan;
        loan.Principal = principal;
        loan.PeriodMonths = static_cast<double>(period);
        loan.AnnualRate = rate;
        RPAYMENT(loan);
        if (numbers.Given("repayment")) loan.Repayment = repayment;
        Result result;
        if (annual) {
            CalcAnnAmort(loan);
            result["rows"] = RowsOf(AnnualRows(loan));
            result["WholeYears"] = static_cast<long long>(loan.WholeYears);
            result["ScheduleKind"] = static_cast<long long>(loan.ScheduleKind);
        } else {
            MonthlySchedule(loan);
            result["rows"] = RowsOf(MonthlyRows(loan));
        }
        return result;
    };
}

}  // namespace

void AddAmortisationCommand(CLI::App& app, CommandList& commands) {
    CLI::App* amortisation = app.add_subcommand("amortisation", "Amortisation schedule of a loan");
    amortisation->require_subcommand(1);
    AddSchedule(*amortisation, commands, false);
    AddSchedule(*amortisation, commands, true);
}

}  // namespace kelvara::cli

#include "DailyBalance.h"
#include "FinanceCommands.h"

namespace kelvara::cli {

namespace {

// The text output's names of the figures: the daily balance window's captions.
constexpr Caption kCaptions[] = {
    {"Days", "Number of days"},
    {"Interest", "Interest accrued"},
};

}  // namespace

void AddDailyBalanceCommand(CLI::App& app, CommandList& commands) {
    Command& command = NewCommand(app, commands, "daily-balance", "Daily balance: simple interest between two dates");
    NumberOptions& numbers = *command.Numbers;
    namespace fields = DailyBalanceFields;
    double& capital =
        numbers.Amount("capital", fields::Capital.Bounds.Min, fields::Capital.Bounds.Max, 0, "capital amount, rand");
    double& rate = numbers.Amount("rate", fields::Rate.Bounds.Min, fields::Rate.Bounds.Max, 0, "interest rate, % p.a.");
    const PeriodDates::Bounds design = DailyBalanceDesignBounds();
    DayNumber& start = numbers.Date("start-date", design.Lower, design.Upper, EmptyDay, "start date", "default: none");
    DayNumber& end = numbers.Date("end-date", design.Lower, design.Upper, EmptyDay, "end date", "default: none");
    command.Captions.assign(std::begin(kCaptions), std::end(kCaptions));
    command.Run = [&numbers, &capital, &rate, &start, &end] {
        DailyBalanceState balance;
        balance.DayBalCapital = static_cast<float>(capital);
        balance.DayBalRate = static_cast<float>(rate);
        DailyBalanceResult r;
        // The window calculates only when both date fields hold a date.
        if (numbers.Given("start-date") && numbers.Given("end-date")) {
            balance.DayBalStartDay = static_cast<std::int32_t>(start);
            balance.DayBalEndDay = static_cast<std::int32_t>(end);
            const auto bounds = EndDateBounds(balance.DayBalStartDay);
            if (bounds && (end < bounds->Lower || end > bounds->Upper)) {
                const Refusal refusal = EndDateOutOfRangeMessage(FormatDate(start));
                return ErrorResult(refusal.Title, refusal.Text);
            }
            r = CalculateDailyBalance(balance);
        }
        Result result;
        result["Days"] = static_cast<long long>(r.Days);
        result["Interest"] = static_cast<double>(r.Interest);
        return result;
    };
}

}  // namespace kelvara::cli

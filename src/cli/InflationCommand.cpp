#include "FinanceCommands.h"
#include "Inflation.h"

namespace kelvara::cli {

namespace {

// The text output's names of the figures: the inflation window's captions.
constexpr Caption kCaptions[] = {
    {"FutureValue", "Future value/cost"},
    {"BuyingPower", "Buying power"},
    {"TooLarge", "Amount too large to display"},
};

}  // namespace

void AddInflationCommand(CLI::App& app, CommandList& commands) {
    Command& command = NewCommand(app, commands, "inflation", "Inflation projection: future cost and buying power");
    NumberOptions& numbers = *command.Numbers;
    namespace fields = InflationFields;
    long long& cost = numbers.Whole("present-cost", 0, static_cast<long long>(fields::PresentCost.Bounds.Max), 0,
                                    "present cost, whole rand");
    long long& period =
        numbers.Whole("period", 0, static_cast<long long>(fields::Period.Bounds.Max), 0, "period, years");
    double& rate =
        numbers.Amount("rate", fields::Rate.Bounds.Min, fields::Rate.Bounds.Max, 0, "inflation rate, % p.a.");
    command.Captions.assign(std::begin(kCaptions), std::end(kCaptions));
    command.Run = [&cost, &period, &rate] {
        InflationState inflation;
        inflation.InflPresentCost = static_cast<double>(cost);
        inflation.InflPeriod = static_cast<double>(period);
        inflation.InflRate = rate;
        ProjectInflation(inflation);
        Result result;
        result["FutureValue"] = inflation.InflFutureValue;
        result["BuyingPower"] = inflation.InflBuyingPower;
        result["TooLarge"] = FutureValueTooLarge(inflation);
        return result;
    };
}

}  // namespace kelvara::cli

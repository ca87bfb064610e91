#include <limits>

#include "Commands.h"
#include "TaxEngine.h"
#include "TaxWorking.h"

namespace kelvara::cli {

namespace {

// The text output's names of the figures, worded as the QuickTax window words them.
constexpr Caption kCaptions[] = {
    {"Tax", "Total tax"},           {"BaseTax", "Tax on taxable income"}, {"Portion", "+ Portion @ M/Rate"},
    {"MarginalRate", "M/Rate (%)"}, {"BracketLower", "Tax bracket from"}, {"BracketUpper", "Tax bracket to"},
    {"Rebate", "Rebates"},
};

}  // namespace

void AddTaxCommand(CLI::App& app, CommandList& commands) {
    Command& command = NewCommand(app, commands, "tax", "Normal tax on an annual taxable income, and the age rebate");
    // Beyond a trillion rand the tax is no longer a figure anyone can use, and
    // far beyond it the working overflows.
    constexpr double kLargestIncome = 999999999999;
    double& income =
        command.Numbers->Amount("income", -kLargestIncome, kLargestIncome, 0, "annual taxable income, rand");
    long long& age = command.Numbers->Whole("age", std::numeric_limits<std::int16_t>::min(),
                                            std::numeric_limits<std::int16_t>::max(), 0, "age in whole years");
    std::shared_ptr<Explanation> explain = AddExplainOption(command);
    command.Captions.assign(std::begin(kCaptions), std::end(kCaptions));
    command.Run = [&income, &age, explain] {
        const TaxResult r = AnnualTaxOn(income);
        const double rebate = RebateForAge(static_cast<std::int16_t>(age));
        if (Working* working = explain->Target()) {
            ExplainAnnualTax(*working, "Normal tax", income, r);
            ExplainRebate(*working, static_cast<std::int16_t>(age), rebate);
        }
        Result result;
        result["Tax"] = r.Tax;
        result["BaseTax"] = r.BaseTax;
        result["Portion"] = r.Portion;
        result["MarginalRate"] = r.MarginalRate;
        result["BracketLower"] = r.BracketLower;
        result["BracketUpper"] = r.BracketUpper;
        result["Rebate"] = rebate;
        return result;
    };
}

}  // namespace kelvara::cli

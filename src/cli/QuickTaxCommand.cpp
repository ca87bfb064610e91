#include "Commands.h"
#include "QuickTax.h"

namespace kelvara::cli {

namespace {

// The text output's names of the figures: the QuickTax window's captions.
constexpr Caption kCaptions[] = {
    {"TaxableIncome", "Taxable Income"},
    {"QtAge", "Age"},
    {"BaseTax", "Tax on taxable income"},
    {"MarginalRate", "M/Rate (%)"},
    {"Portion", "+ Portion @ M/Rate"},
    {"QtTotalTax", "Total tax"},
    {"QtRebate", "Less rebates"},
    {"QtTaxCommitment", "Tax commitment"},
    {"QtAverageRate", "Average rate before rebates (%)"},
    {"QtAverageRateAfter", "Average rate after rebates (%)"},
    {"MonthlyTaxCommitment", "Tax commitment per month"},
};

}  // namespace

void AddQuickTaxCommand(CLI::App& app, CommandList& commands) {
    Command& command = NewCommand(app, commands, "quicktax", "QuickTax: tax, rebates and average rates");
    double& income = command.Numbers->Amount("income", QuickTaxIncomeBounds.Min, QuickTaxIncomeBounds.Max, 0,
                                             "annual taxable income, rand");
    long long& age = command.Numbers->Whole("age", static_cast<long long>(QuickTaxAgeBounds.Min),
                                            static_cast<long long>(QuickTaxAgeBounds.Max), 0, "age in whole years");
    std::shared_ptr<Explanation> explain = AddExplainOption(command);
    command.Captions.assign(std::begin(kCaptions), std::end(kCaptions));
    command.Run = [&income, &age, explain] {
        EngineState engine;
        engine.TaxableIncome = income;
        QuickTaxState qt;
        qt.QtAge = static_cast<std::int16_t>(age);
        QuickTaxCalculate(engine, qt, explain->Target());
        Result result;
        result["TaxableIncome"] = engine.TaxableIncome;
        result["QtAge"] = static_cast<long long>(qt.QtAge);
        result["BaseTax"] = engine.Last.BaseTax;
        result["MarginalRate"] = engine.Last.MarginalRate;
        result["Portion"] = engine.Last.Portion;
        result["QtTotalTax"] = qt.QtTotalTax;
        result["QtRebate"] = qt.QtRebate;
        result["QtTaxCommitment"] = qt.QtTaxCommitment;
        result["QtAverageRate"] = qt.QtAverageRate;
        result["QtAverageRateAfter"] = qt.QtAverageRateAfter;
        result["MonthlyTaxCommitment"] = MonthlyTaxCommitment(qt);
        return result;
    };
}

}  // namespace kelvara::cli

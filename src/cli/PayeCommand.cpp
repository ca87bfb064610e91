#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>

#include "Commands.h"
#include "CsvPayeBatch.h"
#include "Output.h"
#include "StoredSettings.h"

namespace kelvara::cli {

namespace {

struct PayeKind {
    PayPeriodKind Kind;
    const char* Name;
    const char* Description;
};

constexpr PayeKind Kinds[] = {
    {PayPeriodKind::Annual, "annual", "PAYE for a period of up to one tax year"},
    {PayPeriodKind::Monthly, "monthly", "PAYE for a month or part of one"},
    {PayPeriodKind::Fortnightly, "fortnightly", "PAYE for a fortnight"},
    {PayPeriodKind::Weekly, "weekly", "PAYE for a week"},
    {PayPeriodKind::Daily, "daily", "PAYE for a day"},
};

std::string DefaultText(const PayeOption& option, const PayPeriodInputs& defaults) {
    if (std::holds_alternative<SettingsField>(option.Target)) return NumberOptions::StoredSetting;
    if (option.Kind == PayeOption::Type::Date) {
        const bool start = std::get<PayeDate>(option.Target) == PayeDate::Start;
        return "default " + FormatDate(start ? defaults.StartDate : defaults.EndDate);
    }
    const auto* field = std::get_if<PayPeriodField>(&option.Target);
    if (field && *field == PayPeriodField::NormalDays)
        return "default " + std::to_string(static_cast<int>(defaults.NormalDays));
    if (field && *field == PayPeriodField::ThisDays)
        return "default " + std::to_string(static_cast<int>(defaults.ThisDays));
    return "default 0";
}

const char* TypeName(PayeOption::Type type) {
    switch (type) {
        case PayeOption::Type::Amount: return "AMOUNT";
        case PayeOption::Type::Whole: return "WHOLE";
        case PayeOption::Type::Date: return "DATE";
        case PayeOption::Type::MonthList: return "LIST";
    }
    return "";
}

// Checks a payroll from a CSV file and ends the program with the batch's
// exit status: its output is CSV, not a result object.
[[noreturn]] void RunBatch(PayPeriodKind kind, const PayeRow& base, const std::string& file) {
    int status = 0;
    if (file == "-") {
        status = RunPayeBatch(kind, base, std::cin, std::cout, std::cerr);
    } else {
        std::ifstream in;
        OpenInputFile(in, "--csv", file);
        status = RunPayeBatch(kind, base, in, std::cout, std::cerr);
    }
    std::exit(FinishOutput(status));
}

void AddPayeKind(CLI::App& paye, CommandList& commands, const PayeKind& kind) {
    Command& command = NewCommand(paye, commands, kind.Name, kind.Description);
    const std::vector<PayeOption>& options = PayeOptions(kind.Kind);
    const PayPeriodInputs defaults = DefaultInputs(kind.Kind);
    // The texts as typed; read after parsing, so that a refusal names the option.
    auto texts = std::make_shared<std::vector<std::string>>(options.size());
    auto csv = std::make_shared<std::string>();
    for (std::size_t i = 0; i < options.size(); ++i) {
        const PayeOption& option = options[i];
        command.App
            ->add_option("--" + option.Name, (*texts)[i],
                         option.What + " (" + AcceptedRange(option) + "; " + DefaultText(option, defaults) + ")")
            ->type_name(TypeName(option.Kind));
    }
    command.App
        ->add_option("--csv", *csv,
                     "check a payroll: a CSV file whose header names these options without dashes, "
                     "and optionally payslip-paye ('-' reads standard input)")
        ->type_name("FILE");
    CLI::App* app = command.App;
    std::shared_ptr<Explanation> explain = AddExplainOption(command);
    command.Captions.assign(PayeCaptions().begin(), PayeCaptions().end());
    command.Run = [kind = kind.Kind, &options, texts, csv, app, defaults, explain] {
        PayeRow base{defaults, StoredSettings(PayeSettingsFields())};
        for (std::size_t i = 0; i < options.size(); ++i) {
            if (app->count("--" + options[i].Name) > 0) ApplyPayeOption(options[i], (*texts)[i], base);
        }
        if (app->count("--csv") > 0) RunBatch(kind, base, *csv);
        EngineState engine;
        const PayPeriodOutcome outcome = Calculate(kind, engine, base.Inputs, base.Setup, explain->Target());
        if (outcome.Refusal) return ErrorResult(outcome.Refusal->Title, outcome.Refusal->Text);
        return PayeResult(kind, outcome.Result, engine);
    };
}

}  // namespace

void AddPayeCommand(CLI::App& app, CommandList& commands) {
    CLI::App* paye = app.add_subcommand("paye", "Employees' tax (PAYE), medical credits, UIF and skills levy");
    paye->require_subcommand(1);
    for (const PayeKind& kind : Kinds) AddPayeKind(*paye, commands, kind);
}

}  // namespace kelvara::cli

// kelvara-calc: the calculators of Kelvara 2027 without any window, for
// scripts and batch checks.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <new>
#include <optional>

#include "ActiveTaxYear.h"
#include "Commands.h"
#include "Output.h"
#include "ResultText.h"
#include "TaxYearOption.h"
#include "UserText.h"

using namespace kelvara::cli;

namespace {

// The longest message the tool prints about a mistake it did not word itself.
constexpr std::size_t kLongestForeignMessage = 200;

void SayMistake(const std::string& message) {
    std::cerr << "kelvara-calc: " << Quote(message, kLongestForeignMessage) << "\n";
}

// A word where a command was expected that names none: "'bogus' is not a
// command of kelvara-calc (commands: ...)". Nothing when every word up to the
// command's own options names a command.
std::optional<std::string> UnknownCommand(const CLI::App& app, int argc, char** argv) {
    const CLI::App* at = &app;
    std::string path = app.get_name();
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--format" || word == "--tax-year" || word == "--tax-year-file") ++i;  // its value
        if (word.rfind("-", 0) == 0) continue;
        const std::vector<const CLI::App*> commands = at->get_subcommands([](const CLI::App*) { return true; });
        if (commands.empty()) return std::nullopt;
        std::string names;
        for (const CLI::App* command : commands) {
            if (command->get_name() == word) at = command;
            names += (names.empty() ? "" : ", ") + command->get_name();
        }
        if (at->get_name() != word)
            return "'" + Quote(word) + "' is not a command of " + path + " (commands: " + names + ")";
        path += " " + word;
    }
    return std::nullopt;
}

int Run(int argc, char** argv) {
    try {
        ChooseTaxYear(argc, argv);
    } catch (const UsageError& error) {
        std::cerr << "kelvara-calc: " << OneLine(error.what()) << "\n";
        return 2;
    }
    CLI::App app("Kelvara 2027 calculators for the tax year " + kelvara::ActiveTaxYear().SpanText(), "kelvara-calc");
    app.set_version_flag("--version", std::string("kelvara-calc ") + KV_VERSION);
    app.require_subcommand(1);
    app.fallthrough();
    std::string format = "json";
    app.add_option("--format", format, "output: json (default) or text")->check(CLI::IsMember({"json", "text"}));
    AddTaxYearOptions(app);

    CommandList commands;
    AddTaxCommand(app, commands);
    AddQuickTaxCommand(app, commands);
    AddPayeCommand(app, commands);
    AddTravelAllowanceCommand(app, commands);
    AddCompanyCarCommand(app, commands);
    AddPackageCommand(app, commands);
    AddFinanceCommands(app, commands);

    try {
        app.parse(argc, argv);
        for (Command& command : commands) {
            if (!command.App->parsed()) continue;
            command.Numbers->Read();
            Result result = command.Run();
            if (const std::optional<std::string> key = NonFiniteFigure(result)) result = TooLargeResult(*key);
            std::cout << (format == "text" ? ToText(result, command.Captions) : ToJson(result));
            const bool refused = result.contains("error");
            if (!refused && command.Explain && !command.Explain->Account.Empty()) {
                std::cout << "\n" << kelvara::WorkingText(command.Explain->Account);
            }
            return FinishOutput(refused ? 1 : 0);
        }
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return FinishOutput(0);
    } catch (const CLI::CallForVersion&) {
        std::cout << app.version() << "\n";
        return FinishOutput(0);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return FinishOutput(app.exit(error));  // --help of a command
        SayMistake(UnknownCommand(app, argc, argv).value_or(error.what()));
        return 2;
    } catch (const UsageError& error) {
        std::cerr << "kelvara-calc: " << OneLine(error.what()) << "\n";
        return 2;
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    ReportBrokenPipes();
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("kelvara-calc: not enough memory for this input\n", stderr);
    } catch (const std::exception& error) {
        SayMistake(error.what());
    }
    return 2;
}

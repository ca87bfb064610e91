// kelvara-calc: the calculators of Kelvara 2027 without any window, for
// scripts and batch checks.
#include <CLI/CLI.hpp>
#include <iostream>

#include "ActiveTaxYear.h"
#include "Commands.h"
#include "TaxYearOption.h"

using namespace kelvara::cli;

int main(int argc, char** argv) {
    try {
        ChooseTaxYear(argc, argv);
    } catch (const UsageError& error) {
        std::cerr << "kelvara-calc: " << error.what() << "\n";
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
            const Result result = command.Run();
            std::cout << (format == "text" ? ToText(result) : ToJson(result));
            if (command.Explain && !command.Explain->Account.Empty()) {
                std::cout << "\n" << kelvara::WorkingText(command.Explain->Account);
            }
            return result.contains("error") ? 1 : 0;
        }
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::CallForVersion&) {
        std::cout << app.version() << "\n";
        return 0;
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error);  // --help of a command
        std::cerr << "kelvara-calc: " << error.what() << "\n";
        return 2;
    } catch (const UsageError& error) {
        std::cerr << "kelvara-calc: " << error.what() << "\n";
        return 2;
    }
    return 2;
}

#pragma once
#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <vector>

#include "Options.h"
#include "Result.h"
#include "ResultText.h"
#include "Working.h"

namespace kelvara::cli {

// The working of a calculation, recorded when "--explain" is given and
// printed as text after the result.
struct Explanation {
    bool Wanted = false;
    Working Account;
    // Where the calculation records its working: nowhere unless asked.
    Working* Target() { return Wanted ? &Account : nullptr; }
};

// One command of the tool: its place on the command line, its numeric options
// and what it computes once they are read. A result holding "error" is a
// refusal that the window would show as a message box.
struct Command {
    CLI::App* App = nullptr;
    std::unique_ptr<NumberOptions> Numbers;
    std::function<Result()> Run;
    std::shared_ptr<Explanation> Explain;  // for the commands that can show their working
    std::vector<Caption> Captions;         // what the text output calls each key
};

using CommandList = std::vector<Command>;

// Adds a subcommand with an empty set of numeric options.
Command& NewCommand(CLI::App& parent, CommandList& commands, const std::string& name, const std::string& description);

// Adds "--explain" to a command that can show its working.
std::shared_ptr<Explanation> AddExplainOption(Command& command);

void AddTaxCommand(CLI::App& app, CommandList& commands);
void AddQuickTaxCommand(CLI::App& app, CommandList& commands);
void AddPayeCommand(CLI::App& app, CommandList& commands);
void AddTravelAllowanceCommand(CLI::App& app, CommandList& commands);
void AddCompanyCarCommand(CLI::App& app, CommandList& commands);
void AddPackageCommand(CLI::App& app, CommandList& commands);
void AddFinanceCommands(CLI::App& app, CommandList& commands);

}  // namespace kelvara::cli

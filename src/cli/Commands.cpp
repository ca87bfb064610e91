#include "Commands.h"

namespace kelvara::cli {

Command& NewCommand(CLI::App& parent, CommandList& commands, const std::string& name, const std::string& description) {
    Command& command = commands.emplace_back();
    command.App = parent.add_subcommand(name, description);
    command.Numbers = std::make_unique<NumberOptions>(*command.App);
    return command;
}

std::shared_ptr<Explanation> AddExplainOption(Command& command) {
    command.Explain = std::make_shared<Explanation>();
    command.App->add_flag("--explain", command.Explain->Wanted, "print the working, step by step, after the result");
    return command.Explain;
}

}  // namespace kelvara::cli

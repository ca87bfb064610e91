#include "Commands.h"

namespace kelvara::cli {

Command& NewCommand(CLI::App& parent, CommandList& commands, const std::string& name,
                    const std::string& description) {
    Command& command = commands.emplace_back();
    command.App = parent.add_subcommand(name, description);
    command.Numbers = std::make_unique<NumberOptions>(*command.App);
    return command;
}

}  // namespace kelvara::cli

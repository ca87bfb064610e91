#pragma once
#include "Commands.h"

namespace kelvara::cli {

// The finance calculators' commands, one file each.
void AddLoanCommand(CLI::App& app, CommandList& commands);
void AddAmortisationCommand(CLI::App& app, CommandList& commands);
void AddLoanBusterCommand(CLI::App& app, CommandList& commands);
void AddLoanComparisonCommand(CLI::App& app, CommandList& commands);
void AddInflationCommand(CLI::App& app, CommandList& commands);
void AddDailyBalanceCommand(CLI::App& app, CommandList& commands);

}  // namespace kelvara::cli

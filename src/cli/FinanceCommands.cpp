#include "FinanceCommands.h"

namespace kelvara::cli {

void AddFinanceCommands(CLI::App& app, CommandList& commands) {
    AddLoanCommand(app, commands);
    AddAmortisationCommand(app, commands);
    AddLoanBusterCommand(app, commands);
    AddLoanComparisonCommand(app, commands);
    AddInflationCommand(app, commands);
    AddDailyBalanceCommand(app, commands);
}

}  // namespace kelvara::cli

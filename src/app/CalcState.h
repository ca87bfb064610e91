#pragma once
#include <cstdint>
#include <string>

#include "CompanyCar.h"
#include "DailyBalance.h"
#include "Inflation.h"
#include "Loan.h"
#include "LoanBuster.h"
#include "LoanComparison.h"
#include "QuickTax.h"
#include "TaxEngine.h"
#include "TravelAllowance.h"

namespace kelvara {

// The one process-wide record of shared state, owned by the shell for the
// whole run: the tax engine's last input and result, the calculators whose
// inputs survive closing their window, the database paths and the print
// destination.
struct CalcState {
    EngineState Engine;
    QuickTaxState QuickTax;  // kept in full by "Initialise All"
    LoanState Loan;          // "Initialise All" keeps its principal
    LoanBusterState LoanBuster;
    LoanCompState LoanComp;
    InflationState Inflation;
    DailyBalanceState DailyBalance;
    TravelAllowanceState TravelAllowance;
    CompanyCarState CompanyCar;  // "Initialise All" leaves DatesRejected alone

    std::string ReportDatabasePath;
    std::string SettingsDatabasePath;
    std::int16_t PrintDirect = 0;  // 0: report window, 1: straight to the printer
};

// Puts the calculators' shared fields back to their initial values, at
// start-up and on "Initialise All". The paths and the print destination stay.
void InitCalcState(CalcState& state);

}  // namespace kelvara

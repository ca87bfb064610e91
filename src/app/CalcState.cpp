#include "CalcState.h"

namespace kelvara {

void InitCalcState(CalcState& state) {
    InitEngineState(state.Engine);
    InitLoanState(state.Loan);
    InitLoanBusterState(state.LoanBuster);
    InitLoanCompState(state.LoanComp);
    InitInflationState(state.Inflation);
    InitDailyBalanceState(state.DailyBalance);
    InitTravelAllowanceState(state.TravelAllowance);
    InitCompanyCarState(state.CompanyCar);
}

}  // namespace kelvara

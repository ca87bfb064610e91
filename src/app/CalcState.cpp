#include "CalcState.h"

namespace kelvara {

void InitCalcState(CalcState& state) { InitEngineState(state.Engine); }

}  // namespace kelvara

#pragma once
#include "PackageResult.h"
#include "Settings.h"
#include "TaxEngine.h"
#include "Working.h"

namespace kelvara {

// Pravel: from the total package to the take-home salary and the employer's
// total cost, in one pass. A package of 0 is not worked out and shows no
// figures at all. Given an account, the calculation records its working there.
PackageCalculation CalculateGrossToNet(EngineState& engine, const PackageInputs& inputs, const Settings& settings,
                                       PackagePeriod period, Working* working = nullptr);

}  // namespace kelvara

#pragma once
#include "PackageResult.h"
#include "Settings.h"
#include "TaxEngine.h"

namespace kelvara {

// Pravel: from the total package to the take-home salary and the employer's
// total cost, in one pass. previous is the result the window holds; a package
// of 0 is not worked out and leaves it standing.
PackageCalculation CalculateGrossToNet(EngineState& engine, const PackageInputs& inputs, const Settings& settings,
                                       PackagePeriod period, const PackageResult& previous);

}  // namespace kelvara

#pragma once
#include <string>

#include "PackageResult.h"
#include "Settings.h"

namespace kelvara {

// The two worked lines of the retirement-annuity explanation, in annual
// figures: line A (R3 500 less the employee's fund contributions for the
// year) and line C (15% of the income that is not retirement-funding).
struct RAExplanationLines {
    std::string LineA;
    std::string LineC;
};

// inputs, result and shown are the window's after its last calculation. A
// monthly window's amounts are raised to a year, so that the panel's "Annual
// Figures Shown" holds for both periods.
RAExplanationLines ExplainRetirementAnnuity(PackageKind kind, const PackageInputs& inputs, const Settings& settings,
                                            const PackageResult& result, const PackageShown& shown);

}  // namespace kelvara

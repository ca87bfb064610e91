#pragma once
#include <optional>

#include "PackageAmounts.h"
#include "PackageResult.h"
#include "Settings.h"
#include "TaxEngine.h"

namespace kelvara {

// The figures of a net-to-gross search that do not depend on the trial gross.
struct NetToGrossBasis {
    PackageInputs State;  // after the medical fields' rules
    Settings Setup;
    PackagePeriod Period = PackagePeriod::Annual;
    double CarBen = 0;
    double Rebate = 0;
    PackageCredits Credits;
    double OtherExpenses = 0;
};

NetToGrossBasis PrepareNetToGross(const PackageInputs& inputs, const Settings& settings, PackagePeriod period,
                                  Working* working = nullptr);

// Every amount of one trial gross salary.
struct NetToGrossStep {
    double Search = 0;
    FundContributions Funds;
    double Tax = 0;
    UifAndLevy Uif;
    double Net = 0;  // what the employee takes home
};

// The step at a trial gross; with an engine state the tax call is remembered
// there, as the window's call is.
NetToGrossStep EvaluateNetToGrossStep(const NetToGrossBasis& basis, double search, EngineState* engine = nullptr,
                                      Working* working = nullptr);

// The largest trial gross: the largest whole rand an amount field shows.
inline constexpr double LargestSearch = 99999999;

// The smallest whole-rand trial gross from 1 whose net exceeds the net
// required, or nothing when none up to LargestSearch does. The net never
// falls as the gross rises (see NetRisesWithGross), so the answer is
// bracketed and then halved over whole rand in a few dozen steps.
std::optional<double> FindGross(const NetToGrossBasis& basis);

// Whether every extra rand of gross adds at least a cent to the net under
// these settings: after the employee's fund share, the top tax rate and the
// employee's UIF share something must be left. Without it the search could
// not end.
bool NetRisesWithGross(const Settings& settings);

// Kelvara: finds the gross salary that yields the net salary required, and
// the employer's total cost. previous is the result the window holds; a
// calculation that stops early leaves it standing. Given an account, the
// calculation records its working there, the search's last step included.
PackageCalculation CalculateNetToGross(EngineState& engine, const PackageInputs& inputs, const Settings& settings,
                                       PackagePeriod period, const PackageResult& previous,
                                       Working* working = nullptr);

// The messages of a net-to-gross calculation that cannot be made.
PackageRefusal FringeBenefitsRefusal();
PackageRefusal NetCannotRiseRefusal();
PackageRefusal NetOutOfReachRefusal();

}  // namespace kelvara

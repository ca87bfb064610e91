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
    double UifBase = 0;  // the remuneration UIF is taken on, before its ceiling
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
// required, or nothing when none up to LargestSearch does: the result of
// counting up one rand at a time, found in a few dozen to a few hundred
// trials. Where the net never falls as the gross rises (NetRisesWithGross)
// the answer is bracketed and then halved over whole rand. Otherwise the net
// may fall only while the UIF base is below its ceiling, and there it rises
// to a single peak and then falls (the tax scale is progressive); the search
// looks below that peak first, then above the ceiling, where it never falls.
std::optional<double> FindGross(const NetToGrossBasis& basis);

// Whether every extra rand of gross adds at least a cent to the net under
// these settings: after the employee's fund share, the top tax rate and the
// employee's UIF share something must be left.
bool NetRisesWithGross(const Settings& settings);

// Kelvara: finds the gross salary that yields the net salary required, and
// the employer's total cost. A calculation that stops early shows no figures
// at all: none would belong to the inputs. Given an account, the calculation
// records its working there, the search's last step included.
PackageCalculation CalculateNetToGross(EngineState& engine, const PackageInputs& inputs, const Settings& settings,
                                       PackagePeriod period, Working* working = nullptr);

// The messages of a net-to-gross calculation that cannot be made. A net out of
// reach is put down to the settings when they let the net fall.
Refusal FringeBenefitsRefusal();
Refusal NetCannotRiseRefusal();
Refusal NetOutOfReachRefusal();

}  // namespace kelvara

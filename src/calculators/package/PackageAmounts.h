#pragma once
#include "PackageInputs.h"
#include "PackageResult.h"
#include "Settings.h"
#include "TaxEngine.h"
#include "Working.h"
#include "WorkingRecorder.h"

namespace kelvara {

// The amounts both directions work out the same way, in the window's period.
// Given an account, each records how it was worked out.

// The taxable company-car benefit: 3.25% of the value a month with a
// maintenance plan, 3.5% without, times the fringe-benefit rate.
double CompanyCarBenefit(double carValue, const Settings& settings, PackagePeriod period, WorkingRecorder working = {});

// The medical fields' rules: medical deductions count only from age 65, and
// without any medical-aid contribution the beneficiaries are cleared.
void ApplyMedicalFieldRules(PackageInputs& state);

// The medical scheme fees credit and the additional medical credit. Without
// any medical-aid contribution both are 0.
struct PackageCredits {
    double MSFC = 0;
    double AMC = 0;
    double Total() const { return MSFC + AMC; }
};
PackageCredits PackageMedicalCredits(const PackageInputs& inputs, PackagePeriod period, WorkingRecorder working = {});

// A percentage of the pensionable base when the setting is above 0, else the
// amount typed.
struct FundContributions {
    double Employee = 0;
    double Employer = 0;
};
FundContributions Contributions(double pensionableBase, const PackageInputs& inputs, const Settings& settings,
                                WorkingRecorder working = {});

// The retirement-fund deduction limit: the contributions, or 27.5% of the
// remuneration when that is less, and never above R350 000 a year.
double FundDeductionLimit(const FundContributions& funds, double remuneration, PackagePeriod period,
                          WorkingRecorder working = {});

// UIF on the base up to the ceiling; the skills levy on the uncapped base
// less the direction's deduction.
struct UifAndLevy {
    double Employee = 0;
    double Employer = 0;
    double SkillsLevy = 0;
};
UifAndLevy UifAndSkillsLevy(double uifBase, double levyDeduction, const Settings& settings, PackagePeriod period,
                            WorkingRecorder working = {});

// The most of the remuneration that UIF is taken on in the period.
double UifCeiling(const Settings& settings, PackagePeriod period);

// The tax after the age rebate on the period's taxable income, never below 0.
// A monthly income is annualised for the engine and the tax brought back to a
// month. Without an engine state the call leaves no trace.
double PeriodTax(EngineState* engine, double taxableIncome, double rebate, PackagePeriod period,
                 WorkingRecorder working = {});

// The window's contributions after a calculation: a computed contribution is
// written back into its field, which shows two decimals.
void WriteBackContributions(PackageInputs& inputs, const FundContributions& funds, const Settings& settings);

// The part of the result fields both directions show alike: UIF, levy, tax,
// credits, the tax deduction, the once-off note and the limit warning.
PackageShown ShownAmounts(const PackageInputs& inputs, const PackageResult& result, bool stoppedEarly);

// The contributions exceed their deduction limit.
inline bool ContributionsExceedLimit(const PackageResult& result) {
    return result.FundEE + result.FundER > result.FundLimit;
}

// What a result field holds of an amount: two decimals, half to even.
double ShownCents(double amount);

// Records the amounts the result fields show alike in both directions.
void ExplainShownAmounts(Working& working, const PackageResult& result, const PackageShown& shown);

// "a year" or "a month".
const char* PeriodWords(PackagePeriod period);

}  // namespace kelvara

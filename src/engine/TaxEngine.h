#pragma once
#include <cstdint>

#include "ActiveTaxYear.h"

namespace kelvara {

// The engine's result for one annual taxable income; nothing is rounded.
struct TaxResult {
    double Tax = 0;           // BaseTax + Portion, before rebates
    double BaseTax = 0;       // the tax on the bracket's lower bound
    double Portion = 0;       // the tax on the income above the lower bound
    double MarginalRate = 0;  // percent
    double BracketLower = 0;
    double BracketUpper = 0;
};

// The engine's share of the process-wide calculation state: the income it was
// last handed and what it made of it. QuickTax shows this income whenever it
// becomes active, whichever calculator set it.
struct EngineState {
    double TaxableIncome = 0;
    TaxResult Last;
};

// The normal tax before rebates on an annual taxable income. Pure.
TaxResult AnnualTaxOn(double income, const TaxYearData& year = ActiveTaxYear());

// The same, remembering the income and the result in the engine state, as every
// calculator's call does.
TaxResult CalcAnnualTax(EngineState& state, double income, const TaxYearData& year = ActiveTaxYear());

// Puts the engine state back as start-up and "Initialise All" leave it: the tax
// and marginal rate cleared, the income and the other figures kept.
void InitEngineState(EngineState& state);

// The total rebate for an age in whole years.
double RebateForAge(std::int16_t age, const TaxYearData& year = ActiveTaxYear());

}  // namespace kelvara

#pragma once
#include <cstdint>
#include <string>

#include "TaxEngine.h"
#include "Working.h"

namespace kelvara {

// Records one call of the tax engine under the heading given: the annual
// income, the row of the tax table it falls in, the tax on the row's lower
// bound, the rate on the part above it and the normal tax. Amounts show as
// money shows in the calculator's window; a calculator that shows these
// figures (QuickTax) has them recorded as its results.
void ExplainAnnualTax(Working& working, std::string heading, double income, const TaxResult& result,
                      WorkingUnit money = WorkingUnit::Money, bool shownFigures = false);

// Records the rebate for an age: which rebates it takes and their total.
void ExplainRebate(Working& working, std::int16_t age, double rebate, WorkingUnit money = WorkingUnit::Money,
                   bool shownFigure = false);

// How the medical scheme fees credit of a month is made up, in words.
std::string MedicalCreditRatesText();

// The words of the additional medical credit's step for an age.
std::string AdditionalCreditText(std::int16_t age);

}  // namespace kelvara

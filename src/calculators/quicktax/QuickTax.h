#pragma once
#include <cstdint>

#include "FieldValue.h"
#include "TaxEngine.h"
#include "Working.h"

namespace kelvara {

// QuickTax's figures, kept in the shared calculation state for the whole run so
// that closing and reopening the window shows them again.
struct QuickTaxState {
    double QtReportIncome = 0;  // the income as last taken into QuickTax
    std::int16_t QtAge = 0;
    double QtRebate = 0;
    double QtTotalTax = 0;
    double QtTaxCommitment = 0;      // never below 0
    double QtAverageRate = 0;        // percent
    double QtAverageRateAfter = 0;   // percent, never below 0
};

// The QuickTax calculation over the engine's current taxable income and the
// QuickTax age; the engine remembers the tax-table figures it used. Given an
// account, the calculation records its working there.
void NEWCALC(EngineState& engine, QuickTaxState& quickTax, Working* working = nullptr);

// What "Calculate" and every activation of the window do: take the engine's
// taxable income into QuickTax, then calculate.
void QuickTaxCalculate(EngineState& engine, QuickTaxState& quickTax, Working* working = nullptr);

// The monthly tax commitment the report prints beside the annual one.
inline double MonthlyTaxCommitment(const QuickTaxState& quickTax) { return quickTax.QtTaxCommitment / 12; }

// The record of report table "kwiktax": the income as last taken into
// QuickTax beside the figures of the last calculation.
FieldValues KwikTaxRecord(const EngineState& engine, const QuickTaxState& quickTax);

inline constexpr const char* KwikTaxTable = "kwiktax";
inline constexpr const char* KwikTaxLayout = "\\kwiktep.rpt";
inline constexpr const char* KwikTaxTitle = "QuickTax - To export printout click on the suitcase button or goto Help";

}  // namespace kelvara

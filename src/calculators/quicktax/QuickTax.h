#pragma once
#include <array>
#include <cstdint>

#include "FieldBounds.h"
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
    double QtTaxCommitment = 0;     // never below 0
    double QtAverageRate = 0;       // percent
    double QtAverageRateAfter = 0;  // percent, never below 0
};

// The window's ten fields in index order, what each holds and shows: the
// income and the age are typed, the others show results. kelvara-calc
// refuses the income and age the window's fields would not take.
inline constexpr std::array<FieldBounds, 10> QuickTaxFieldBounds{{
    {0, 8, 0, 99999999},  // taxable income
    {0, 2, 0, 99},        // age
    {0, 8, 0, 99999999},
    {0, 2, 0, 99},
    {0, 8, 0, 99999999},
    {0, 8, 0, 99999999},
    {0, 8, 0, 99999999},
    {0, 8, 0, 99999999},
    {1, 2, 0, 99},
    {1, 2, 0, 99},
}};
inline constexpr FieldBounds QuickTaxIncomeBounds = QuickTaxFieldBounds[0];
inline constexpr FieldBounds QuickTaxAgeBounds = QuickTaxFieldBounds[1];

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

#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "FieldValue.h"
#include "FinanceFields.h"

namespace kelvara {

// The loan comparison's inputs kept in the shared calculation state.
struct LoanCompState {
    double CompPrincipal = 0;
    float CompRate = 0;  // percent, held in single precision
};

// One period of the comparison.
struct LoanComparisonRow {
    std::int16_t Months = 0;
    std::string Label;  // "5 yrs." to "30 yrs."
    double Repayment = 0;
    double TotalInterest = 0;  // may be negative: -P at a rate of 0
    double TotalPaid = 0;
};

// The six periods, 5 to 30 years.
using LoanComparison = std::array<LoanComparisonRow, 6>;

inline void InitLoanCompState(LoanCompState& comp) { comp = {}; }

// The monthly repayment of the bond over the given months (0 when the
// principal, months or rate is 0).
double BCPayCalc(const LoanCompState& comp, std::int16_t months);

// The repayment, total interest and total paid over 60, 120, ... 360 months.
LoanComparison Compare(const LoanCompState& comp);

// The one record of table "BondComp".
FieldValues BondCompRecord(const LoanCompState& comp, const LoanComparison& rows);

inline bool CanPrintComparison(const LoanCompState& comp) { return comp.CompPrincipal > 0 && comp.CompRate > 0; }

namespace LoanComparisonFields {
inline constexpr NamedFieldBounds Principal{"numBAmt", {2, 8, 0, 99999999.99}};
inline constexpr NamedFieldBounds Rate{"numIntRate", {3, 2, 0, 50}};
}  // namespace LoanComparisonFields

inline constexpr const char* BondCompTable = "BondComp";
inline constexpr const char* LoanComparisonLayout = "\\LoanComparison.rpt";
inline constexpr const char* LoanComparisonTitle = "Loan Comparison";

}  // namespace kelvara

#include "TaxEngine.h"

#include "TaxScale.h"
#include "TaxYear.h"

namespace kelvara {

TaxResult AnnualTaxOn(double income) {
    const TaxScaleRow& row = TaxScaleRowFor(income);
    TaxResult r;
    // Subtract, multiply by the whole-number rate, then divide: the order
    // matters for the last bit of the result.
    r.Portion = (income - row.Lower) * row.Rate / 100;
    r.BaseTax = row.BaseTax;
    r.MarginalRate = row.Rate;
    r.BracketLower = row.Lower;
    r.BracketUpper = row.Upper;
    r.Tax = r.BaseTax + r.Portion;
    return r;
}

TaxResult CalcAnnualTax(EngineState& state, double income) {
    state.TaxableIncome = income;
    state.Last = AnnualTaxOn(income);
    return state.Last;
}

void InitEngineState(EngineState& state) {
    state.Last.Tax = 0;
    state.Last.MarginalRate = 0;
}

double RebateForAge(std::int16_t age) {
    if (age >= TaxYear::TertiaryRebateAge) return TaxYear::Rebate75AndOlder;
    if (age >= TaxYear::SecondaryRebateAge) return TaxYear::Rebate65To74;
    return TaxYear::RebateUnder65;
}

}  // namespace kelvara

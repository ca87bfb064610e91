#include "TaxEngine.h"

#include "TaxScale.h"

namespace kelvara {

TaxResult AnnualTaxOn(double income, const TaxYearData& year) {
    const TaxScaleRow& row = TaxScaleRowFor(income, year);
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

TaxResult CalcAnnualTax(EngineState& state, double income, const TaxYearData& year) {
    state.TaxableIncome = income;
    state.Last = AnnualTaxOn(income, year);
    return state.Last;
}

void InitEngineState(EngineState& state) {
    state.Last.Tax = 0;
    state.Last.MarginalRate = 0;
}

double RebateForAge(std::int16_t age, const TaxYearData& year) {
    const RebateFigures& r = year.Rebates;
    if (age >= r.TertiaryAge) return r.FromTertiaryAge();
    if (age >= r.SecondaryAge) return r.FromSecondaryAge();
    return r.UnderSecondaryAge();
}

}  // namespace kelvara

#include "QuickTax.h"

#include "Rounding.h"
#include "TaxYear.h"

namespace kelvara {

void NEWCALC(EngineState& engine, QuickTaxState& qt) {
    double extra = 0;
    if (qt.QtAge >= TaxYear::TertiaryRebateAge) {
        extra = TaxYear::SecondaryPlusTertiaryRebate;
    } else if (qt.QtAge >= TaxYear::SecondaryRebateAge) {
        extra = TaxYear::SecondaryRebate;
    }
    qt.QtRebate = IntPart(TaxYear::PrimaryRebate + extra);

    const double income = engine.TaxableIncome;
    const TaxResult r = CalcAnnualTax(engine, income);

    // A nil income shows the marginal rate as its average rate.
    qt.QtAverageRate = r.Tax > 0 ? r.Tax / income * 100 : r.MarginalRate;
    qt.QtTotalTax = r.Tax;
    qt.QtTaxCommitment = qt.QtTotalTax - qt.QtRebate;
    if (qt.QtTaxCommitment < 0) qt.QtTaxCommitment = 0;
    qt.QtAverageRateAfter = r.Tax > 0 ? (r.Tax - qt.QtRebate) / income * 100 : 0;
    if (qt.QtAverageRateAfter < 0) qt.QtAverageRateAfter = 0;
}

void QuickTaxCalculate(EngineState& engine, QuickTaxState& qt) {
    qt.QtReportIncome = engine.TaxableIncome;
    NEWCALC(engine, qt);
}

FieldValues KwikTaxRecord(const EngineState& engine, const QuickTaxState& qt) {
    return {
        {"AGE", qt.QtAge},
        {"TAXINCOME", qt.QtReportIncome},
        {"TAXTOPAY", engine.Last.BaseTax},
        {"MARGRATE", engine.Last.MarginalRate},
        {"PORTION", engine.Last.Portion},
        {"TOTTAX", qt.QtTotalTax},
        {"REBATE", qt.QtRebate},
        {"TAXCOM4", qt.QtTaxCommitment},
        {"AVRATE", qt.QtAverageRate},
        {"AVRATEAFT", qt.QtAverageRateAfter},
        {"TAXCOM4/2", MonthlyTaxCommitment(qt)},
    };
}

}  // namespace kelvara

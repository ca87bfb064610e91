#include "QuickTax.h"

#include "ActiveTaxYear.h"
#include "Rounding.h"
#include "TaxWorking.h"
#include "WorkingRecorder.h"

namespace kelvara {

namespace {

void Explain(Working& working, const QuickTaxState& qt, double income, const TaxResult& r) {
    working.Heading("QuickTax");
    working.Result("Age", qt.QtAge, "QtAge", WorkingUnit::Count);
    ExplainRebate(working, qt.QtAge, qt.QtRebate, WorkingUnit::WholeRand, true);
    ExplainAnnualTax(working, "Tax on the annual taxable income", income, r, WorkingUnit::WholeRand, true);
    working.Heading("Tax commitment");
    working.Step("Total tax", qt.QtTotalTax, WorkingUnit::WholeRand);
    working.Step("Less rebates", -qt.QtRebate, WorkingUnit::WholeRand);
    working.Result("Tax commitment, not below 0", qt.QtTaxCommitment, "QtTaxCommitment", WorkingUnit::WholeRand);
    working.Step("Monthly tax commitment: " + Rand(qt.QtTaxCommitment) + " ÷ 12", MonthlyTaxCommitment(qt));
    if (r.Tax > 0) {
        working.Result("Average rate before rebates: " + Rand(r.Tax) + " ÷ " + Rand(income) + " × 100",
                       qt.QtAverageRate, "QtAverageRate", WorkingUnit::PercentOneDecimal);
        working.Result("Average rate after rebates: (" + Rand(r.Tax) + " − " + Rand(qt.QtRebate) + ") ÷ " +
                           Rand(income) + " × 100, not below 0",
                       qt.QtAverageRateAfter, "QtAverageRateAfter", WorkingUnit::PercentOneDecimal);
    } else {
        working.Result("Average rate before rebates: without tax, the marginal rate", qt.QtAverageRate, "QtAverageRate",
                       WorkingUnit::PercentOneDecimal);
        working.Result("Average rate after rebates: without tax, none", qt.QtAverageRateAfter, "QtAverageRateAfter",
                       WorkingUnit::PercentOneDecimal);
    }
}

}  // namespace

void NEWCALC(EngineState& engine, QuickTaxState& qt, Working* working) {
    const RebateFigures& rebates = ActiveTaxYear().Rebates;
    double extra = 0;
    if (qt.QtAge >= rebates.TertiaryAge) {
        extra = rebates.SecondaryPlusTertiary();
    } else if (qt.QtAge >= rebates.SecondaryAge) {
        extra = rebates.Secondary;
    }
    qt.QtRebate = IntPart(rebates.Primary + extra);

    const double income = engine.TaxableIncome;
    const TaxResult r = CalcAnnualTax(engine, income);

    // A nil income shows the marginal rate as its average rate.
    qt.QtAverageRate = r.Tax > 0 ? r.Tax / income * 100 : r.MarginalRate;
    qt.QtTotalTax = r.Tax;
    qt.QtTaxCommitment = qt.QtTotalTax - qt.QtRebate;
    if (qt.QtTaxCommitment < 0) qt.QtTaxCommitment = 0;
    qt.QtAverageRateAfter = r.Tax > 0 ? (r.Tax - qt.QtRebate) / income * 100 : 0;
    if (qt.QtAverageRateAfter < 0) qt.QtAverageRateAfter = 0;
    WorkingRecorder(working).Explain([&](Working& into) { Explain(into, qt, income, r); });
}

void QuickTaxCalculate(EngineState& engine, QuickTaxState& qt, Working* working) {
    qt.QtReportIncome = engine.TaxableIncome;
    NEWCALC(engine, qt, working);
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

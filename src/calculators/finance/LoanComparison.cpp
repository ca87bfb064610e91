#include "LoanComparison.h"

#include "Annuity.h"

namespace kelvara {

double BCPayCalc(const LoanCompState& comp, std::int16_t months) {
    if (comp.CompPrincipal == 0 || months == 0 || comp.CompRate == 0) return 0;
    // The monthly rate is worked in double precision from the single-precision rate.
    return Annuity::Repayment(comp.CompPrincipal, Annuity::MonthlyRate(comp.CompRate), months);
}

LoanComparison Compare(const LoanCompState& comp) {
    LoanComparison rows;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        LoanComparisonRow& row = rows[k];
        row.Months = static_cast<std::int16_t>(60 * (k + 1));
        row.Label = std::to_string(row.Months / 12) + " yrs.";
        row.Repayment = BCPayCalc(comp, row.Months);
        row.TotalInterest = row.Months * row.Repayment - comp.CompPrincipal;
        row.TotalPaid = row.Months * row.Repayment;
    }
    return rows;
}

FieldValues BondCompRecord(const LoanCompState& comp, const LoanComparison& rows) {
    FieldValues record{{"PAmt", comp.CompPrincipal}, {"IntRate", static_cast<double>(comp.CompRate)}};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::string n = std::to_string(k + 1);
        record.emplace_back("MonRep" + n, rows[k].Repayment);
        record.emplace_back("IntPaid" + n, rows[k].TotalInterest);
        record.emplace_back("Total" + n, rows[k].TotalPaid);
    }
    return record;
}

}  // namespace kelvara

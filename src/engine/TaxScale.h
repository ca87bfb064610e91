#pragma once
#include "ActiveTaxYear.h"

namespace kelvara {

// The row of the year's income-tax scale that taxes the given annual income.
// Row 1 also takes 0 and any negative income; the last row has no upper bound.
const TaxScaleRow& TaxScaleRowFor(double income, const TaxYearData& year = ActiveTaxYear());

}  // namespace kelvara

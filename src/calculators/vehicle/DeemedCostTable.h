#pragma once
#include "ActiveTaxYear.h"

namespace kelvara {

// The deemed costs of the first band of the year's table whose upper bound is
// at least the value. The first band also takes 0 and below; values above the
// last band cost as a vehicle of the last band's value.
DeemedCostRow LookupDeemedCost(double vehicleValue, const TaxYearData& year = ActiveTaxYear());

}  // namespace kelvara

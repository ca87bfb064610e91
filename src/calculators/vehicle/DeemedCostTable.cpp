#include "DeemedCostTable.h"

namespace kelvara {

DeemedCostRow LookupDeemedCost(double vehicleValue, const TaxYearData& year) {
    for (const DeemedCostBand& band : year.DeemedCosts) {
        if (vehicleValue <= band.UpTo) return band.Costs;
    }
    return year.DeemedCosts.back().Costs;
}

}  // namespace kelvara

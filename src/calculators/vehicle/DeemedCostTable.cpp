#include "DeemedCostTable.h"

namespace kelvara {

DeemedCostRow LookupDeemedCost(double vehicleValue) {
    for (const DeemedCostBand& band : DeemedCostTable) {
        if (vehicleValue <= band.UpTo) return band.Costs;
    }
    return DeemedCostTable.back().Costs;
}

}  // namespace kelvara

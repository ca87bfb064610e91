#include "TaxScale.h"

namespace kelvara {

const TaxScaleRow& TaxScaleRowFor(double income) {
    // Rows are searched from the bottom; the last row has no upper bound.
    for (std::size_t i = 0; i + 1 < TaxScale.size(); ++i) {
        if (income <= TaxScale[i].Upper) return TaxScale[i];
    }
    return TaxScale.back();
}

}  // namespace kelvara

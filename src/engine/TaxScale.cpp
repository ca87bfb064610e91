#include "TaxScale.h"

namespace kelvara {

const TaxScaleRow& TaxScaleRowFor(double income, const TaxYearData& year) {
    // Rows are searched from the bottom; the last row has no upper bound.
    const std::vector<TaxScaleRow>& scale = year.Scale;
    for (std::size_t i = 0; i + 1 < scale.size(); ++i) {
        if (income <= scale[i].Upper) return scale[i];
    }
    return scale.back();
}

}  // namespace kelvara

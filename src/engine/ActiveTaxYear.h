#pragma once
#include <memory>

#include "TaxYearData.h"

namespace kelvara {

namespace detail {
extern const TaxYearData* activeTaxYear;
const TaxYearData& FirstActiveTaxYear();
}  // namespace detail

// The year every calculation works in: the one chosen at start-up (or later
// on the File menu), the delivered year until then. Reading it costs one
// pointer: no calculation reads a year file.
inline const TaxYearData& ActiveTaxYear() {
    return detail::activeTaxYear ? *detail::activeTaxYear : detail::FirstActiveTaxYear();
}

// Makes year the year of every calculation from now on; the year stays alive
// as long as it is active.
void UseTaxYear(std::shared_ptr<const TaxYearData> year);

// Works in another year for as long as it lives, then goes back (tests).
class ScopedTaxYear {
public:
    explicit ScopedTaxYear(std::shared_ptr<const TaxYearData> year);
    ~ScopedTaxYear();
    ScopedTaxYear(const ScopedTaxYear&) = delete;
    ScopedTaxYear& operator=(const ScopedTaxYear&) = delete;

private:
    std::shared_ptr<const TaxYearData> before_;
};

}  // namespace kelvara

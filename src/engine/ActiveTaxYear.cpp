#include "ActiveTaxYear.h"

#include "TaxYearFile.h"

namespace kelvara {

namespace {
std::shared_ptr<const TaxYearData>& Active() {
    static std::shared_ptr<const TaxYearData> active;
    return active;
}
}  // namespace

namespace detail {
const TaxYearData* activeTaxYear = nullptr;

const TaxYearData& FirstActiveTaxYear() {
    UseTaxYear(DeliveredTaxYear());
    return *activeTaxYear;
}
}  // namespace detail

void UseTaxYear(std::shared_ptr<const TaxYearData> year) {
    Active() = std::move(year);
    detail::activeTaxYear = Active().get();
}

ScopedTaxYear::ScopedTaxYear(std::shared_ptr<const TaxYearData> year) : before_(Active()) {
    UseTaxYear(std::move(year));
}

ScopedTaxYear::~ScopedTaxYear() { UseTaxYear(std::move(before_)); }

}  // namespace kelvara

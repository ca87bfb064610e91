#include "FundPercentRule.h"

#include "ActiveTaxYear.h"
#include "Rounding.h"

namespace kelvara {

namespace {
constexpr int PercentDecimals = 3;
}  // namespace

void ApplyNetToGrossFundPercentRule(double& employeePercent, double& employerPercent) {
    // The fields hold three decimals; the sum is judged at the same precision.
    if (RoundHalfEven(employeePercent + employerPercent, PercentDecimals) >
        ActiveTaxYear().RetirementFund.PercentOfRemuneration) {
        employeePercent = 0;
        employerPercent = 0;
    }
}

}  // namespace kelvara

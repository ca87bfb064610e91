#include "FundPercentRule.h"

#include "Rounding.h"

namespace kelvara {

namespace {
constexpr double CombinedFundPercentLimit = 27.5;
constexpr int PercentDecimals = 3;
}  // namespace

void ApplyNetToGrossFundPercentRule(double& employeePercent, double& employerPercent) {
    // The fields hold three decimals; the sum is judged at the same precision.
    if (RoundHalfEven(employeePercent + employerPercent, PercentDecimals) > CombinedFundPercentLimit) {
        employeePercent = 0;
        employerPercent = 0;
    }
}

}  // namespace kelvara

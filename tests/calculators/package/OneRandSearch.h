#pragma once
#include <optional>

#include "NetToGross.h"

namespace kelvara::testing {

// The search as the window describes it: one rand at a time from 0 until the
// net exceeds the net required. The reference the fast search must equal
// (the tests compare them, the benchmark times them).
inline std::optional<double> OneRandSearch(const NetToGrossBasis& basis, double limit) {
    double search = 0;
    do {
        search += 1;
        if (search > limit) return std::nullopt;
    } while (!(EvaluateNetToGrossStep(basis, search).Net > basis.State.Required));
    return search;
}

}  // namespace kelvara::testing

#pragma once
#include <string>

#include "DayNumber.h"
#include "FieldValue.h"
#include "TravelAllowance.h"

namespace kelvara {

inline constexpr const char* TravelDeductionTable = "traveldeduction";
inline constexpr const char* CarAllowanceReportTitle =
    "Car Allowance - To export printout click on the suitcase button or goto Help";

// The layout that prints the claim: one for the deemed costs, one for the
// actual costs.
const char* CarAllowanceLayout(bool recordsKept);

// The fields of the one "traveldeduction" record, from the state as it stands
// (printing does not recalculate). The fields of the other kind of claim are
// left out, so they keep what an earlier print wrote.
FieldValues TravelDeductionRecord(const TravelAllowanceState& state, const std::string& employeeName,
                                  DayNumber startDate, DayNumber endDate);

}  // namespace kelvara

#pragma once
#include <vector>

#include "CompanyCar.h"
#include "FieldValue.h"

namespace kelvara {

inline constexpr const char* CompanyCarTable = "compcar";
inline constexpr const char* CompanyCarEmptyingStatement = "DELETE *FROM compcar";
inline constexpr const char* CompanyCarLayout = "\\compcar.rpt";
inline constexpr const char* CompanyCarReportTitle =
    "Full use of Company Car - To export printout click on the suitcase button or goto Help";

// Runs PrintCalc and gives one "compcar" row per vehicle, numbered from 1.
std::vector<FieldValues> CompanyCarPrintRows(CompanyCarState& state);

}  // namespace kelvara

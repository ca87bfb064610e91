#pragma once
#include <string>

#include "FieldValue.h"
#include "PackageResult.h"

namespace kelvara {

// What differs between the four windows' reports.
struct PackageReportVariant {
    std::string Heading;      // MonAnn
    std::string ReportFile;   // the layout beside the program
    std::string WindowTitle;  // of the report window
};

PackageReportVariant ReportVariantOf(PackageKind kind);

// The record of table "SalPackage" for a calculated package, field by field
// in the order they are written. inputs and shown are the window's fields
// after the calculation; taxpayerName is typed in the print panel.
FieldValues SalPackageRecord(PackageKind kind, const PackageInputs& inputs, const PackageShown& shown,
                             const std::string& taxpayerName);

}  // namespace kelvara

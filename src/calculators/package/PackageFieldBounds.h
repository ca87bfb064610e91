#pragma once
#include "FieldBounds.h"

namespace kelvara {

// The numeric fields of the package windows, by what they hold.
enum class PackageField {
    Required,                 // numNetMonSalReq
    Age,                      // numAge
    CompanyCar,               // numCompCar, numCCCompCar
    TravelAllowance,          // numTravAll, numCCTravAll
    MedicalAid,               // numMedAidCont, numCCMedAidCont
    Members,                  // numPMems
    OtherFringeBenefits,      // numOTaxFB, numCCOTaxFB
    MedicalDeductions,        // numMedDeduct
    FundContribution,         // numRFundCont, numCCRFundCont
    RADeduction,              // numRADeduct
    AdditionalBeneficiaries,  // numAddBens
    OtherExpense,             // numOtherDet, numOtherDetCC rows
    Percentage,               // the fund, provident, UIF and levy percentages
    UIFLimit,                 // numUIFLimit
    Result,                   // the bounded result fields
};

inline constexpr FieldBounds PackageAmountBounds{2, 8, 0, 99999999.99};
inline constexpr FieldBounds PackageWholeBounds{0, 3, 0, 999};
inline constexpr FieldBounds PackagePercentBounds{3, 3, 0, 100};
inline constexpr FieldBounds PackageUIFLimitBounds{0, 6, 0, 999999};

// The bounds the window and the command line both hold a field to.
constexpr FieldBounds BoundsOf(PackageField field) {
    switch (field) {
        case PackageField::Age:
        case PackageField::Members:
        case PackageField::AdditionalBeneficiaries: return PackageWholeBounds;
        case PackageField::Percentage: return PackagePercentBounds;
        case PackageField::UIFLimit: return PackageUIFLimitBounds;
        default: return PackageAmountBounds;
    }
}

}  // namespace kelvara

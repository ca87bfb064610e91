#pragma once
#include "PackageFieldBounds.h"
#include "PackageInputs.h"
#include "RandomInputs.h"

namespace kelvara::testing {

// A package as the window's fields accept it. Most packages leave most fields
// empty; a field filled in takes any amount.
inline PackageInputs RandomPackage(RandomInputs& random) {
    const auto whole = [&random](const char* name, PackageField field) {
        return static_cast<std::int16_t>(random.Field(name, BoundsOf(field)));
    };
    const auto optional = [&random](const char* name) {
        return random.Chance(0.7) ? 0 : random.Field(name, BoundsOf(PackageField::Required));
    };
    PackageInputs in;
    in.Required = random.Field("Required", BoundsOf(PackageField::Required));
    in.RequiredCostToCompany = in.Required;
    in.Age = whole("Age", PackageField::Age);
    in.CompanyCar = optional("CompanyCar");
    in.CompanyCarCost = optional("CompanyCarCost");
    in.TravelAllowance = optional("TravelAllowance");
    in.TravelAllowanceCost = in.TravelAllowance;
    in.MedicalAid = optional("MedicalAid");
    in.MedicalAidCost = optional("MedicalAidCost");
    in.Members = whole("Members", PackageField::Members);
    in.OtherFringeBenefits = optional("OtherFringeBenefits");
    in.OtherFringeBenefitsCost = in.OtherFringeBenefits;
    in.MedicalDeductions = optional("MedicalDeductions");
    in.FundEmployee = optional("FundEmployee");
    in.FundEmployer = optional("FundEmployer");
    in.RADeduction = optional("RADeduction");
    in.AdditionalBeneficiaries = whole("AdditionalBeneficiaries", PackageField::AdditionalBeneficiaries);
    OtherExpense& row = in.OtherExpenses[random.Between("row", 0, 3)];
    row.Amount = optional("OtherExpense");
    row.CostToCompany = row.Amount;
    return in;
}

}  // namespace kelvara::testing

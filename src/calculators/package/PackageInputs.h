#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace kelvara {

// The two directions of a salary package and the period of its amounts.
enum class PackageDirection {
    NetToGross,  // Kelvara: from the net salary required to the gross salary
    GrossToNet,  // Pravel: from the total package to the take-home salary
};
enum class PackagePeriod { Annual, Monthly };

struct PackageKind {
    PackageDirection Direction;
    PackagePeriod Period;
};

// One of the four rows of other expenses: its description, the amount taken
// from the employee and the employer's cost beside it.
struct OtherExpense {
    std::string Description;
    double Amount = 0;
    double CostToCompany = 0;  // starts as a copy of Amount; may be edited on its own
};

// What a package window holds of the package, each value as its field shows
// it. Amounts are for the window's period (a year or a month).
struct PackageInputs {
    double Required = 0;               // net salary required (Kelvara) or total package amount (Pravel)
    double RequiredCostToCompany = 0;  // Pravel: the cost-to-company copy of the total package
    std::int16_t Age = 0;
    double CompanyCar = 0;      // the car's value
    double CompanyCarCost = 0;  // the employer's cost for the car
    double TravelAllowance = 0;
    double TravelAllowanceCost = 0;  // cost-to-company copy; reported only
    double MedicalAid = 0;           // the employee's medical-aid contributions
    double MedicalAidCost = 0;       // the employer's medical-aid contributions
    std::int16_t Members = 0;        // beneficiary-months (annual) or beneficiaries (monthly)
    double OtherFringeBenefits = 0;
    double OtherFringeBenefitsCost = 0;  // cost-to-company copy; reported only
    double MedicalDeductions = 0;
    double FundEmployee = 0;                   // employee retirement-fund amount as typed (or written back)
    double FundEmployer = 0;                   // employer retirement-fund amount as typed (or written back)
    double RADeduction = 0;                    // retirement-annuity deduction; reported only
    std::int16_t AdditionalBeneficiaries = 0;  // reported only
    std::array<OtherExpense, 4> OtherExpenses;
};

// The other-expense total taken from the employee, and the employer's total.
double OtherExpenseTotal(const PackageInputs& inputs);
double OtherExpenseCostTotal(const PackageInputs& inputs);

}  // namespace kelvara

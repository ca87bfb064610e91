#pragma once
#include "PackageInputs.h"
#include "Settings.h"

namespace kelvara::testing {

// The settings of the worked packages: 1% UIF each side and 1% skills levy,
// a UIF limit of R17 712 a month, 80% inclusion rates, no maintenance plan and
// no fund percentages.
inline Settings PackageSettings(double employeePercent = 0, double employerPercent = 0) {
    Settings s;
    s.PensionCont = employeePercent;
    s.EmployerPenCont = employerPercent;
    s.EmployeeUIF = 1;
    s.EmployerUIF = 1;
    s.SkillLevy = 1;
    s.UIFLimit = 17712;
    s.TAIncRate8020 = 0.8;
    s.CompCarFBRate8020 = 0.8;
    s.CompCarMPYesNo = false;
    return s;
}

// The four windows: net to gross (Kelvara) and gross to net (Pravel), each
// annual and monthly.
constexpr PackageKind KelvaraAnnual{PackageDirection::NetToGross, PackagePeriod::Annual};
constexpr PackageKind KelvaraMonthly{PackageDirection::NetToGross, PackagePeriod::Monthly};
constexpr PackageKind PravelAnnual{PackageDirection::GrossToNet, PackagePeriod::Annual};
constexpr PackageKind PravelMonthly{PackageDirection::GrossToNet, PackagePeriod::Monthly};

// A package of the amount required at the age, with a travel allowance.
inline PackageInputs Package(double required, std::int16_t age = 40, double travel = 0) {
    PackageInputs in;
    in.Required = required;
    in.Age = age;
    in.TravelAllowance = travel;
    return in;
}

}  // namespace kelvara::testing

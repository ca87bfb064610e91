#pragma once
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

}  // namespace kelvara::testing

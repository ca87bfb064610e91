#pragma once
#include <vector>

namespace kelvara {

// The shared preferences of the PAYE and salary package calculators, the one
// record of table "Setup". Percentages are numbers of percent (1 means 1%);
// the two 80/20 rates are fractions (0.8 or 0.2).
struct Settings {
    double PensionCont = 0;        // employee retirement-fund contribution, %
    double EmployerPenCont = 0;    // employer retirement-fund contribution, %
    double EmployeeUIF = 0;        // employee UIF portion, %
    double EmployerUIF = 0;        // employer UIF portion, %
    double SkillLevy = 0;          // skills levy, %
    double ProvCont = 0;           // employee provident-fund contribution, %
    double EmployerProvCont = 0;   // employer provident-fund contribution, %
    double UIFLimit = 0;           // monthly earnings limit for UIF, whole rand
    double TAIncRate8020 = 0;      // travel-allowance inclusion rate
    double CompCarFBRate8020 = 0;  // company-car fringe-benefit rate
    bool CompCarMPYesNo = false;   // the company car has a maintenance plan
};

// The fields of "Setup", in table order.
enum class SettingsField {
    PensionCont,
    EmployerPenCont,
    EmployeeUIF,
    EmployerUIF,
    SkillLevy,
    ProvCont,
    EmployerProvCont,
    UIFLimit,
    TAIncRate8020,
    CompCarFBRate8020,
    CompCarMPYesNo,
};

// The fields a calculator reads and writes; it touches no others.
using SettingsFields = std::vector<SettingsField>;

// The annual, monthly, fortnightly, weekly and daily PAYE calculators.
const SettingsFields& PayeSettingsFields();

// The gross-to-net and net-to-gross package calculators: every field.
const SettingsFields& PackageSettingsFields();

}  // namespace kelvara

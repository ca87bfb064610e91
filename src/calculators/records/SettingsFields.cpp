#include "Settings.h"

namespace kelvara {

const SettingsFields& PayeSettingsFields() {
    static const SettingsFields fields{SettingsField::EmployeeUIF, SettingsField::EmployerUIF, SettingsField::SkillLevy,
                                       SettingsField::UIFLimit, SettingsField::TAIncRate8020};
    return fields;
}

const SettingsFields& PackageSettingsFields() {
    static const SettingsFields fields{
        SettingsField::PensionCont,       SettingsField::EmployerPenCont, SettingsField::EmployeeUIF,
        SettingsField::EmployerUIF,       SettingsField::SkillLevy,       SettingsField::ProvCont,
        SettingsField::EmployerProvCont,  SettingsField::UIFLimit,        SettingsField::TAIncRate8020,
        SettingsField::CompCarFBRate8020, SettingsField::CompCarMPYesNo,
    };
    return fields;
}

}  // namespace kelvara

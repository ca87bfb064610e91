#include "PayPeriodFields.h"

#include "Rounding.h"

namespace kelvara {

namespace {

using F = PayPeriodField;

constexpr FieldBounds AgeBounds{0, 3, 0, 999};
constexpr FieldBounds WholeRand9{0, 9, 0, 999999999};
constexpr FieldBounds WholeRand8{0, 8, 0, 99999999};
constexpr FieldBounds Cents7{2, 7, 0, 9999999.99};
constexpr FieldBounds MemberBounds{0, 2, 0, 99};

std::vector<InputBounds> ShortPeriodBounds(bool withDays, double fullDays) {
    std::vector<InputBounds> bounds{
        {F::Age, AgeBounds},
        {F::Salary, Cents7},
        {F::EmployerMedAidCont, Cents7},
        {F::EmployeeMedAidCont, Cents7},
        {F::EmployerFundCont, WholeRand8},
        {F::EmployeeFundCont, WholeRand8},
        {F::Commission, Cents7},
        {F::Bonus, Cents7},
        {F::TravelAllowance, Cents7},
        {F::Members, MemberBounds},
    };
    if (withDays) {
        bounds.push_back({F::NormalDays, {0, 2, 0, fullDays}});
        bounds.push_back({F::ThisDays, {0, 2, 0, fullDays}});
    }
    return bounds;
}

std::int16_t WholeCount(double value) { return ToInt16(value).value_or(value < 0 ? INT16_MIN : INT16_MAX); }

}  // namespace

const std::vector<InputBounds>& InputFieldBounds(PayPeriodKind kind) {
    static const std::vector<InputBounds> annual{
        {F::Age, AgeBounds},
        {F::Salary, WholeRand9},
        {F::EmployerMedAidCont, WholeRand8},
        {F::EmployeeMedAidCont, WholeRand8},
        {F::EmployerFundCont, WholeRand9},
        {F::EmployeeFundCont, WholeRand9},
        {F::Commission, WholeRand9},
        {F::Bonus, WholeRand9},
        {F::TravelAllowance, WholeRand9},
        {F::MonthMembers, MemberBounds},  // above 24 the window lowers it with its message
    };
    static const std::vector<InputBounds> monthly{
        {F::Age, AgeBounds},
        {F::Salary, WholeRand8},
        {F::EmployerMedAidCont, WholeRand8},
        {F::EmployeeMedAidCont, WholeRand8},
        {F::EmployerFundCont, WholeRand8},
        {F::EmployeeFundCont, WholeRand8},
        {F::Commission, WholeRand8},
        {F::Bonus, WholeRand8},
        {F::TravelAllowance, WholeRand8},
        {F::Members, MemberBounds},
    };
    static const std::vector<InputBounds> fortnightly = ShortPeriodBounds(true, 14);
    static const std::vector<InputBounds> weekly = ShortPeriodBounds(true, 7);
    static const std::vector<InputBounds> daily = ShortPeriodBounds(false, 0);
    switch (kind) {
        case PayPeriodKind::Annual: return annual;
        case PayPeriodKind::Monthly: return monthly;
        case PayPeriodKind::Fortnightly: return fortnightly;
        case PayPeriodKind::Weekly: return weekly;
        case PayPeriodKind::Daily: return daily;
    }
    return daily;
}

const std::vector<SettingBounds>& SettingFieldBounds() {
    static const std::vector<SettingBounds> bounds{
        {SettingsField::EmployeeUIF, {3, 3, 0, 100}},
        {SettingsField::EmployerUIF, {3, 3, 0, 100}},
        {SettingsField::SkillLevy, {3, 3, 0, 100}},
        {SettingsField::UIFLimit, {0, 6, 0, 999999}},
    };
    return bounds;
}

void SetField(PayPeriodInputs& in, PayPeriodField field, double value) {
    switch (field) {
        case F::Age: in.Age = WholeCount(value); break;
        case F::Salary: in.Salary = value; break;
        case F::Commission: in.Commission = value; break;
        case F::Bonus: in.Bonus = value; break;
        case F::TravelAllowance: in.TravelAllowance = value; break;
        case F::EmployerFundCont: in.EmployerFundCont = value; break;
        case F::EmployeeFundCont: in.EmployeeFundCont = value; break;
        case F::EmployerMedAidCont: in.EmployerMedAidCont = value; break;
        case F::EmployeeMedAidCont: in.EmployeeMedAidCont = value; break;
        case F::Members: in.Members = WholeCount(value); break;
        case F::MonthMembers: in.MonthMembers.fill(WholeCount(value)); break;
        case F::NormalDays: in.NormalDays = value; break;
        case F::ThisDays: in.ThisDays = value; break;
    }
}

void SetSetting(Settings& settings, SettingsField field, double value) {
    switch (field) {
        case SettingsField::EmployeeUIF: settings.EmployeeUIF = value; break;
        case SettingsField::EmployerUIF: settings.EmployerUIF = value; break;
        case SettingsField::SkillLevy: settings.SkillLevy = value; break;
        case SettingsField::UIFLimit: settings.UIFLimit = value; break;
        case SettingsField::TAIncRate8020: settings.TAIncRate8020 = value; break;
        default: break;  // the package calculators' settings are not set here
    }
}

}  // namespace kelvara

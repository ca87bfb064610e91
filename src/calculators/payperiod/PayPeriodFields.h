#pragma once
#include <vector>

#include "FieldBounds.h"
#include "PayPeriod.h"
#include "Settings.h"

namespace kelvara {

// The numeric inputs of the pay-period calculators, one per entry field kind.
enum class PayPeriodField {
    Age,
    Salary,
    Commission,
    Bonus,
    TravelAllowance,
    EmployerFundCont,
    EmployeeFundCont,
    EmployerMedAidCont,
    EmployeeMedAidCont,
    Members,
    MonthMembers,  // annual: each month's field
    NormalDays,
    ThisDays,
};

using InputBounds = BoundedField<PayPeriodField>;
using SettingBounds = BoundedField<SettingsField>;

// The numeric entry fields of a calculator, in the order its window shows
// them, with what each accepts.
const std::vector<InputBounds>& InputFieldBounds(PayPeriodKind kind);

// The numeric fields of the Setup panel the pay-period calculators share.
const std::vector<SettingBounds>& SettingFieldBounds();

// Stores a field's value as the window does when the field changes: ages
// and counts rounded half to even to whole numbers. MonthMembers sets every
// month; a window sets one month's count directly.
void SetField(PayPeriodInputs& in, PayPeriodField field, double value);

// Stores a setting's value as the Setup panel does.
void SetSetting(Settings& settings, SettingsField field, double value);

}  // namespace kelvara

#include <gtest/gtest.h>

#include <string>

#include "RandomPayPeriod.h"

namespace kelvara::testing {
namespace {

constexpr const char* SettingNames[] = {"PensionCont", "EmployerPenCont", "EmployeeUIF",      "EmployerUIF",
                                        "SkillLevy",   "ProvCont",        "EmployerProvCont", "UIFLimit"};

Settings RandomSettings(RandomInputs& random) {
    Settings settings;
    for (const SettingBounds& field : SettingFieldBounds()) {
        SetSetting(settings, field.Field, random.Field(SettingNames[static_cast<int>(field.Field)], field.Bounds));
    }
    settings.TAIncRate8020 = random.OneOf("TAIncRate", {0.8, 0.2});
    return settings;
}

std::string KindName(const ::testing::TestParamInfo<PayPeriodKind>& info) {
    constexpr const char* names[] = {"Annual", "Monthly", "Fortnightly", "Weekly", "Daily"};
    return names[static_cast<int>(info.param)];
}

class PayPeriodProperty : public ::testing::TestWithParam<PayPeriodKind> {};

// Every input the window's fields accept ends in figures it can show, or in a
// refusal that says why.
TEST_P(PayPeriodProperty, EveryAcceptedInputShowsFiguresOrARefusal) {
    const PayPeriodKind kind = GetParam();
    RandomInputs random(5100 + static_cast<int>(kind));
    int refused = 0;
    for (int i = 0; i < 4000; ++i) {
        random.NextCase();
        const PayPeriodInputs in = RandomInputsFor(random, kind);
        const Settings settings = RandomSettings(random);
        SCOPED_TRACE(random.Trace());

        EngineState engine;
        const PayPeriodOutcome outcome = Calculate(kind, engine, in, settings);
        if (outcome.Refusal) {
            ++refused;
            EXPECT_FALSE(outcome.Refusal->Title.empty());
            EXPECT_FALSE(outcome.Refusal->Text.empty());
        } else {
            const PayPeriodResult& r = outcome.Result;
            ExpectShown({{"fund deduction", r.FundDeduction}, {"period tax", r.PeriodTax}});
            ExpectShown({{"medical credit", r.MedicalCredit}, {"additional credit", r.AdditionalCredit}});
            ExpectShown({{"tax after credits", r.TaxAfterCredits}, {"employee UIF", r.UIFEmployee}});
            ExpectShown({{"employer UIF", r.UIFEmployer}, {"skills levy", r.SkillsLevy}});
            ExpectShown({{"taxable travel", r.TaxableTravel}, {"annual income", engine.TaxableIncome}});
            EXPECT_GE(r.TaxAfterCredits, 0);
        }
        if (HasFailure()) return;
    }
    // The refusals are a share of the cases, not all of them.
    EXPECT_LT(refused, 2000);
}

INSTANTIATE_TEST_SUITE_P(EveryCalculator, PayPeriodProperty,
                         ::testing::Values(PayPeriodKind::Annual, PayPeriodKind::Monthly, PayPeriodKind::Fortnightly,
                                           PayPeriodKind::Weekly, PayPeriodKind::Daily),
                         KindName);

}  // namespace
}  // namespace kelvara::testing

#include <gtest/gtest.h>

#include <string>

#include "ActiveTaxYear.h"
#include "PayPeriodFields.h"
#include "RandomInputs.h"

namespace kelvara::testing {
namespace {

constexpr const char* FieldNames[] = {
    "Age",          "Salary",       "Commission",     "Bonus",          "TravelAllowance",
    "EmployerFund", "EmployeeFund", "EmployerMedAid", "EmployeeMedAid", "Members",
    "MonthMembers", "NormalDays",   "ThisDays",
};
constexpr const char* SettingNames[] = {"PensionCont", "EmployerPenCont", "EmployeeUIF",      "EmployerUIF",
                                        "SkillLevy",   "ProvCont",        "EmployerProvCont", "UIFLimit"};

DayNumber TaxYearDay(RandomInputs& random, const char* name, DayNumber from = ActiveTaxYear().FirstDay) {
    return random.Between(name, from, ActiveTaxYear().LastDay);
}

// The period dates of the annual and monthly windows: inside the tax year,
// the end not before the start. The monthly window accepts any such pair and
// refuses one over two months on Calculate.
void SetDates(RandomInputs& random, PayPeriodKind kind, PayPeriodInputs& in) {
    if (kind == PayPeriodKind::Annual) {
        in.StartDate = TaxYearDay(random, "start");
        in.EndDate = random.Chance(0.2) ? ActiveTaxYear().LastDay : TaxYearDay(random, "end", in.StartDate);
    } else if (kind == PayPeriodKind::Monthly) {
        in.StartDate = TaxYearDay(random, "start");
        const CivilDate start = FromDayNumber(in.StartDate);
        const DayNumber monthEnd = in.StartDate + DaysInMonth(start.Year, start.Month) - start.Day;
        in.EndDate = random.Chance(0.9) ? random.Between("end", in.StartDate, monthEnd)
                                        : TaxYearDay(random, "end", in.StartDate);
    }
}

PayPeriodInputs RandomInputsFor(RandomInputs& random, PayPeriodKind kind) {
    PayPeriodInputs in = DefaultInputs(kind);
    for (const InputBounds& field : InputFieldBounds(kind)) {
        SetField(in, field.Field, random.Field(FieldNames[static_cast<int>(field.Field)], field.Bounds));
    }
    if (kind == PayPeriodKind::Annual) {
        // Each month's field as typed, then lowered as the window lowers it.
        for (std::int16_t& count : in.MonthMembers) count = static_cast<std::int16_t>(random.Field("month", 0, 99, 0));
        CapMonthMembers(in.MonthMembers);
    }
    // Mostly a period no longer than a normal one, which the window calculates.
    if (in.NormalDays > 0 && random.Chance(0.8)) in.ThisDays = random.Field("ThisDays", 0, in.NormalDays, 0);
    SetDates(random, kind, in);
    return in;
}

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

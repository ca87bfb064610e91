#include <gtest/gtest.h>

#include <string>

#include "GrossToNet.h"
#include "NetToGross.h"
#include "PackageTestSettings.h"
#include "RandomPackage.h"

namespace kelvara::testing {
namespace {

Settings RandomPackageSettings(RandomInputs& random) {
    // Mostly the modest percentages of real funds and UIF, at times any the field takes.
    const auto percent = [&random](const char* name) {
        return random.Chance(0.7) ? random.Field(name, 0, 15, 3)
                                  : random.Field(name, BoundsOf(PackageField::Percentage));
    };
    Settings s;
    s.PensionCont = percent("PensionCont");
    s.EmployerPenCont = percent("EmployerPenCont");
    s.EmployeeUIF = percent("EmployeeUIF");
    s.EmployerUIF = percent("EmployerUIF");
    s.SkillLevy = percent("SkillLevy");
    s.ProvCont = percent("ProvCont");
    s.EmployerProvCont = percent("EmployerProvCont");
    s.UIFLimit = random.Field("UIFLimit", BoundsOf(PackageField::UIFLimit));
    s.TAIncRate8020 = random.OneOf("TAIncRate", {0.8, 0.2});
    s.CompCarFBRate8020 = random.OneOf("CompCarFBRate", {0.8, 0.2});
    s.CompCarMPYesNo = random.Flag("MaintenancePlan");
    return s;
}

void ExpectShownPackage(const PackageCalculation& calc) {
    const PackageResult& r = calc.Result;
    const PackageShown& s = calc.Shown;
    const PackageInputs& in = calc.Inputs;
    ExpectShown({{"car benefit", r.CarBen}, {"rebate", r.Rebate}, {"MSFC", r.MSFC}, {"AMC", r.AMC}});
    ExpectShown({{"employee fund", r.FundEE}, {"employer fund", r.FundER}, {"fund limit", r.FundLimit}});
    ExpectShown({{"tax", r.Tax}, {"employee UIF", r.UIFEE}, {"employer UIF", r.UIFER}, {"skills levy", r.SDL}});
    ExpectShown({{"search", r.Search}, {"shown UIF", s.UIFCont}, {"shown employer UIF", s.CCUIFCont}});
    ExpectShown({{"shown levy", s.CCSkillLev}, {"tax due", s.MAns}, {"tax credit", s.TaxCredit}});
    ExpectShown({{"tax deduct", s.TaxDeduct}, {"gross salary", s.GrossSal}, {"cost to company", s.TotCostComp}});
    ExpectShown({{"once-off", s.OnceOff}, {"fund employee field", in.FundEmployee}});
    ExpectShown({{"fund employer field", in.FundEmployer}});
}

// The search ended where it says: the net at the gross found exceeds the net
// required and the net a rand lower does not.
void ExpectGrossFound(const PackageInputs& inputs, const Settings& settings, PackagePeriod period,
                      const PackageCalculation& calc) {
    const NetToGrossBasis basis = PrepareNetToGross(inputs, settings, period);
    const double gross = calc.Result.Search;
    ASSERT_GE(gross, 1);
    ASSERT_LE(gross, LargestSearch);
    EXPECT_GT(EvaluateNetToGrossStep(basis, gross).Net, inputs.Required);
    if (gross > 1) {
        EXPECT_LE(EvaluateNetToGrossStep(basis, gross - 1).Net, inputs.Required);
    }
}

std::string KindName(const ::testing::TestParamInfo<PackageKind>& info) {
    return std::string(info.param.Direction == PackageDirection::NetToGross ? "NetToGross" : "GrossToNet") +
           (info.param.Period == PackagePeriod::Annual ? "Annual" : "Monthly");
}

class PackageProperty : public ::testing::TestWithParam<PackageKind> {};

// Every package the window's fields and settings accept ends in figures it
// can show, or in a refusal that says why; a gross salary found is the
// smallest whole rand that gives more than the net required.
TEST_P(PackageProperty, EveryAcceptedInputShowsFiguresOrARefusal) {
    const auto [direction, period] = GetParam();
    RandomInputs random(6100 + 2 * static_cast<int>(direction) + static_cast<int>(period));
    int found = 0;
    for (int i = 0; i < 4000; ++i) {
        random.NextCase();
        const PackageInputs inputs = RandomPackage(random);
        const Settings settings = RandomPackageSettings(random);
        SCOPED_TRACE(random.Trace());

        EngineState engine;
        const PackageCalculation calc = direction == PackageDirection::NetToGross
                                            ? CalculateNetToGross(engine, inputs, settings, period)
                                            : CalculateGrossToNet(engine, inputs, settings, period);
        if (calc.Refusal) {
            EXPECT_TRUE(calc.StoppedEarly);
            EXPECT_FALSE(calc.Refusal->Title.empty());
            EXPECT_FALSE(calc.Refusal->Text.empty());
        } else if (!calc.StoppedEarly && direction == PackageDirection::NetToGross) {
            ExpectGrossFound(inputs, settings, period, calc);
            ++found;
        }
        ExpectShownPackage(calc);
        if (HasFailure()) return;
    }
    // Enough searches ran to end somewhere.
    if (direction == PackageDirection::NetToGross) {
        EXPECT_GT(found, 500);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPackage, PackageProperty,
                         ::testing::Values(KelvaraAnnual, KelvaraMonthly, PravelAnnual, PravelMonthly), KindName);

}  // namespace
}  // namespace kelvara::testing

#include <gtest/gtest.h>

#include "GrossToNet.h"
#include "NetToGross.h"
#include "NumberFormat.h"
#include "PackageTestSettings.h"
#include "RandomPackage.h"

namespace kelvara::testing {
namespace {

// The result fields every package window shows, by key.
struct ShownField {
    const char* Key;
    double PackageShown::*Field;
};
constexpr ShownField ShownFields[] = {
    {"UIFCont", &PackageShown::UIFCont},       {"CCUIFCont", &PackageShown::CCUIFCont},
    {"CCSkillLev", &PackageShown::CCSkillLev}, {"MAns", &PackageShown::MAns},
    {"TaxCredit", &PackageShown::TaxCredit},   {"TaxDeduct", &PackageShown::TaxDeduct},
    {"GrossSal", &PackageShown::GrossSal},     {"TotCostComp", &PackageShown::TotCostComp},
};

using Calculator = PackageCalculation (*)(EngineState&, const PackageInputs&, const Settings&, PackagePeriod, Working*);

struct Direction {
    const char* Name;
    Calculator Calculate;
};
constexpr Direction Directions[] = {{"net to gross", &CalculateNetToGross}, {"gross to net", &CalculateGrossToNet}};

// The account holds every figure the window shows, as the window shows it,
// and recording it changes nothing.
TEST(PackageWorking, AccountAgreesWithTheShownAmountsOnManyPackages) {
    RandomInputs random(27);
    for (const Direction& direction : Directions) {
        for (PackagePeriod period : {PackagePeriod::Annual, PackagePeriod::Monthly}) {
            for (int i = 0; i < 300; ++i) {
                random.NextCase();
                const PackageInputs in = RandomPackage(random);
                const Settings setup = PackageSettings(i % 3 == 0 ? 7.5 : 0, i % 4 == 0 ? 10 : 0);
                SCOPED_TRACE(::testing::Message()
                             << direction.Name << ", period " << static_cast<int>(period) << ", " << random.Trace());
                EngineState plainEngine;
                EngineState explainedEngine;
                Working working;
                const PackageCalculation plain = direction.Calculate(plainEngine, in, setup, period, nullptr);
                const PackageCalculation explained = direction.Calculate(explainedEngine, in, setup, period, &working);
                EXPECT_EQ(explained.Shown.GrossSal, plain.Shown.GrossSal);
                EXPECT_EQ(explainedEngine.TaxableIncome, plainEngine.TaxableIncome);
                if (explained.StoppedEarly) {
                    EXPECT_FALSE(working.Empty());  // says why nothing was worked out
                    continue;
                }
                for (const ShownField& field : ShownFields) {
                    SCOPED_TRACE(field.Key);
                    const WorkingLine* line = working.Find(field.Key);
                    ASSERT_NE(line, nullptr);
                    EXPECT_EQ(AmountText(*line), FormatNumber(explained.Shown.*field.Field, 2));
                }
                if (direction.Calculate == &CalculateNetToGross) {
                    EXPECT_EQ(working.Find("Search")->Amount, explained.Result.Search);
                }
            }
        }
    }
}

TEST(PackageWorking, NetToGrossShowsTheSearchsLastStep) {
    EngineState engine;
    Working working;
    const PackageCalculation c =
        CalculateNetToGross(engine, Package(30000), PackageSettings(7.5), PackagePeriod::Monthly, &working);
    const std::string text = WorkingText(working);
    const std::string found = FormatNumber(c.Result.Search, 2);
    const std::string below = FormatNumber(c.Result.Search - 1, 2);
    EXPECT_NE(text.find("Net salary at a gross of " + below + ": not more than required"), std::string::npos) << text;
    EXPECT_NE(text.find("Net salary at a gross of " + found + ": more than required"), std::string::npos) << text;
}

TEST(PackageWorking, RefusalIsTheWholeAccount) {
    EngineState engine;
    Working working;
    const PackageCalculation c =
        CalculateNetToGross(engine, Package(1000, 0, 5000), PackageSettings(), PackagePeriod::Monthly, &working);
    ASSERT_TRUE(c.Refusal);
    ASSERT_EQ(working.Lines().size(), 1u);
    EXPECT_NE(working.Lines()[0].Text.find(c.Refusal->Text), std::string::npos);
}

}  // namespace
}  // namespace kelvara::testing

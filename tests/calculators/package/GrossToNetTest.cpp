#include <gtest/gtest.h>

#include "GrossToNet.h"
#include "PackageTestSettings.h"

namespace kelvara::testing {
namespace {

struct GrossToNetExample {
    const char* Name;
    PackagePeriod Period;
    PackageInputs Inputs;
    Settings Setup;
    double FundEE, FundLimit, Tax, TaxCredit, TaxDeduct, UIFCont, CCSkillLev, GrossSal, TotCostComp, OnceOff;
};

PackageInputs CarAndMedicalPackage() {
    PackageInputs in = Package(400000, 66, 60000);
    in.MedicalAid = 12000;
    in.MedicalAidCost = 24000;
    in.Members = 24;
    in.CompanyCar = 300000;
    return in;
}

TEST(GrossToNet, WorkedPackages) {
    const GrossToNetExample examples[] = {
        {"annual", PackagePeriod::Annual, Package(300000), PackageSettings(7.5), 22500, 22500, 34722, 0, 34722, 2125.44,
         2775, 240652.56, 304900.44, 0},
        {"monthly", PackagePeriod::Monthly, Package(25000), PackageSettings(7.5), 1875, 1875, 2893.5, 0, 2893.5, 177.12,
         231.25, 20054.38, 25408.37, 0},
        {"car, travel and medical aid at 66", PackagePeriod::Annual, CarAndMedicalPackage(), PackageSettings(10, 20),
         40000, 120000, 48695, 11997.02, 36697.98, 2125.44, 3688, 205176.58, 485813.44, 300000},
    };
    for (const GrossToNetExample& e : examples) {
        SCOPED_TRACE(e.Name);
        EngineState engine;
        const PackageCalculation c = CalculateGrossToNet(engine, e.Inputs, e.Setup, e.Period);
        EXPECT_FALSE(c.StoppedEarly);
        EXPECT_FALSE(c.Refusal);
        EXPECT_DOUBLE_EQ(c.Result.FundEE, e.FundEE);
        EXPECT_DOUBLE_EQ(c.Inputs.FundEmployee, e.FundEE);  // written back
        EXPECT_DOUBLE_EQ(c.Result.FundLimit, e.FundLimit);
        EXPECT_NEAR(c.Result.Tax, e.Tax, 1e-9);
        EXPECT_DOUBLE_EQ(c.Shown.MAns, e.Tax);
        EXPECT_DOUBLE_EQ(c.Shown.TaxCredit, e.TaxCredit);
        EXPECT_DOUBLE_EQ(c.Shown.TaxDeduct, e.TaxDeduct);
        EXPECT_DOUBLE_EQ(c.Shown.UIFCont, e.UIFCont);
        EXPECT_DOUBLE_EQ(c.Shown.CCSkillLev, e.CCSkillLev);
        EXPECT_DOUBLE_EQ(c.Shown.GrossSal, e.GrossSal);
        EXPECT_DOUBLE_EQ(c.Shown.TotCostComp, e.TotCostComp);
        EXPECT_DOUBLE_EQ(c.Shown.OnceOff, e.OnceOff);
        EXPECT_EQ(c.Shown.OnceOffNote, e.OnceOff > 0);
        EXPECT_FALSE(c.Shown.LimitWarning);
    }
}

TEST(GrossToNet, CarAndMedicalAmounts) {
    EngineState engine;
    const PackageCalculation c =
        CalculateGrossToNet(engine, CarAndMedicalPackage(), PackageSettings(10, 20), PackagePeriod::Annual);
    EXPECT_DOUBLE_EQ(c.Result.CarBen, 100800);
    EXPECT_DOUBLE_EQ(c.Result.MSFC, 9024);
    EXPECT_NEAR(c.Result.AMC, 2973.024, 1e-9);
    EXPECT_DOUBLE_EQ(c.Inputs.FundEmployer, 80000);
    EXPECT_DOUBLE_EQ(engine.TaxableIncome, 368800);
}

TEST(GrossToNet, OtherExpensesComeOffTheTakeHomeSalaryInBothPeriods) {
    for (const PackagePeriod period : {PackagePeriod::Monthly, PackagePeriod::Annual}) {
        EngineState engine;
        PackageInputs in = Package(30000);
        const double without = CalculateGrossToNet(engine, in, PackageSettings(), period).Shown.GrossSal;
        in.OtherExpenses[1].Amount = 500;
        const PackageCalculation with = CalculateGrossToNet(engine, in, PackageSettings(), period);
        EXPECT_DOUBLE_EQ(with.Shown.GrossSal, without - 500);
    }
}

TEST(GrossToNet, TakeHomeBelowZeroIsShownAsItIs) {
    EngineState engine;
    PackageInputs in = Package(10000);
    in.MedicalAid = 8000;
    in.OtherFringeBenefits = 5000;
    const PackageCalculation c = CalculateGrossToNet(engine, in, PackageSettings(), PackagePeriod::Monthly);
    EXPECT_DOUBLE_EQ(c.Shown.GrossSal, 10000 - 8000 - 5000 - c.Shown.UIFCont - c.Shown.TaxDeduct);
    EXPECT_LT(c.Shown.GrossSal, 0);
}

TEST(GrossToNet, ContributionsAboveTheirLimitWarnWithoutChangingThem) {
    EngineState engine;
    const PackageCalculation c =
        CalculateGrossToNet(engine, Package(300000), PackageSettings(20, 20), PackagePeriod::Annual);
    EXPECT_DOUBLE_EQ(c.Result.FundLimit, 0.275 * (300000 + 60000));
    EXPECT_DOUBLE_EQ(engine.TaxableIncome, 300000 - c.Result.FundLimit);
    EXPECT_DOUBLE_EQ(c.Inputs.FundEmployee, 60000);
    EXPECT_TRUE(c.Shown.LimitWarning);
}

TEST(GrossToNet, LimitIsCappedAtTheYearsMaximum) {
    const struct {
        PackagePeriod Period;
        double Required, Cap;
    } cases[] = {{PackagePeriod::Annual, 3000000, 350000}, {PackagePeriod::Monthly, 250000, 350000.0 / 12}};
    for (const auto& k : cases) {
        EngineState engine;
        const PackageCalculation c =
            CalculateGrossToNet(engine, Package(k.Required), PackageSettings(15, 10), k.Period);
        EXPECT_DOUBLE_EQ(c.Result.FundLimit, k.Cap);
        EXPECT_TRUE(c.Shown.LimitWarning);
    }
}

TEST(GrossToNet, NothingRequiredShowsNothing) {
    EngineState engine;
    PackageInputs in = Package(0);
    in.CompanyCar = 100000;
    in.MedicalDeductions = 700;  // kept: the rules do not run
    const PackageCalculation c = CalculateGrossToNet(engine, in, PackageSettings(), PackagePeriod::Annual);
    EXPECT_TRUE(c.StoppedEarly);
    EXPECT_DOUBLE_EQ(c.Result.Tax, 0);
    EXPECT_DOUBLE_EQ(c.Shown.GrossSal, 0);
    EXPECT_DOUBLE_EQ(c.Shown.TotCostComp, 0);
    EXPECT_DOUBLE_EQ(c.Inputs.MedicalDeductions, 700);
    EXPECT_FALSE(c.Shown.OnceOffNote);
    EXPECT_FALSE(c.Shown.LimitWarning);
    EXPECT_DOUBLE_EQ(engine.TaxableIncome, 0);  // the engine was not called
}

}  // namespace
}  // namespace kelvara::testing

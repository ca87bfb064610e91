#include <gtest/gtest.h>

#include "NetToGross.h"
#include "PackageTestSettings.h"

namespace kelvara::testing {
namespace {

constexpr auto Annual = PackagePeriod::Annual;
constexpr auto Monthly = PackagePeriod::Monthly;

TEST(NetToGross, WorkedSearches) {
    const struct {
        const char* Name;
        PackagePeriod Period;
        PackageInputs Inputs;
        double EmployeePercent, Search, Net, Tax, UIFCont, GrossSal, TotCostComp;
    } examples[] = {
        {"annual", Annual, Package(150000), 0, 163186, 150000.66, 11553.48, 1631.86, 163185.34, 166449.06},
        {"annual with travel allowance", Annual, Package(150000, 40, 60000), 0, 100371, 150000.51, 8886.78, 1483.71,
         160370.49, 163337.91},
        {"monthly", Monthly, Package(12000), 0, 12982, 12000.42, 851.76, 129.82, 12981.58, 13241.22},
        {"annual with 7.5% to the fund", Annual, Package(200000), 7.5, 242987, 0, 22637.34, 2125.44, 0, 0},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.Name);
        const Settings settings = PackageSettings(e.EmployeePercent);
        EngineState engine;
        const PackageCalculation c = CalculateNetToGross(engine, e.Inputs, settings, e.Period);
        ASSERT_FALSE(c.Refusal);
        EXPECT_FALSE(c.StoppedEarly);
        EXPECT_DOUBLE_EQ(c.Result.Search, e.Search);
        EXPECT_DOUBLE_EQ(c.Shown.MAns, e.Tax);
        EXPECT_DOUBLE_EQ(c.Shown.UIFCont, e.UIFCont);
        if (e.Net > 0) {
            const NetToGrossBasis basis = PrepareNetToGross(e.Inputs, settings, e.Period);
            EXPECT_NEAR(EvaluateNetToGrossStep(basis, e.Search).Net, e.Net, 0.005);
            EXPECT_DOUBLE_EQ(c.Shown.GrossSal, e.GrossSal);
            EXPECT_DOUBLE_EQ(c.Shown.TotCostComp, e.TotCostComp);
            EXPECT_DOUBLE_EQ(c.Shown.CCUIFCont, e.UIFCont);
        }
    }
}

TEST(NetToGross, ContributionIsWrittenBackAndStaysWithinItsLimit) {
    EngineState engine;
    const PackageCalculation c = CalculateNetToGross(engine, Package(200000), PackageSettings(7.5), Annual);
    // 242 987 × 7.5% is held as 18 224.025000000001, which the field shows as
    // 18 224.03 and writes back as the typed amount.
    EXPECT_NEAR(c.Result.FundEE, 18224.025, 1e-6);
    EXPECT_DOUBLE_EQ(c.Inputs.FundEmployee, 18224.03);
    EXPECT_DOUBLE_EQ(c.Result.FundLimit, c.Result.FundEE);
    EXPECT_FALSE(c.Shown.LimitWarning);
    EXPECT_DOUBLE_EQ(c.Shown.GrossSal, 200000 + 2125.44 + 22637.34 + 18224.03);
    // The engine last saw the taxable income of the step the search stopped at.
    EXPECT_DOUBLE_EQ(engine.TaxableIncome, 242987 - c.Result.FundEE);
}

TEST(NetToGross, FringeBenefitCheck) {
    PackageInputs heldContribution = Package(15000);
    heldContribution.FundEmployee = 18224.03;  // written back by an earlier calculation
    PackageInputs withExpenses = Package(1000);
    withExpenses.OtherExpenses[0].Amount = 600;
    withExpenses.OtherFringeBenefits = 400.01;
    const struct {
        const char* Name;
        PackagePeriod Period;
        PackageInputs Inputs;
        bool Refused;
    } cases[] = {
        {"travel above the net", Annual, Package(50000, 40, 60000), true},
        {"typed annual contribution", Annual, heldContribution, true},
        {"monthly ignores the contribution", Monthly, heldContribution, false},
        {"expenses and benefits", Monthly, withExpenses, true},
        {"equal is allowed", Annual, Package(60000, 40, 60000), false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.Name);
        EngineState engine;
        const PackageCalculation c = CalculateNetToGross(engine, k.Inputs, PackageSettings(), k.Period);
        EXPECT_EQ(c.Refusal.has_value(), k.Refused);
        EXPECT_EQ(c.StoppedEarly, k.Refused);
        if (k.Refused) {
            EXPECT_EQ(c.Refusal->Text, "Fringe benefits more than salary required!");
            EXPECT_EQ(c.Refusal->Title, "Kelvara 2027");
            EXPECT_FALSE(c.Refusal->ErrorIcon);
            EXPECT_DOUBLE_EQ(c.Shown.GrossSal, 0);  // nothing that belongs to other inputs
        }
    }
}

// A contribution worked out under a percentage and written back into the fund
// field is no fringe benefit of the next, smaller package.
TEST(NetToGross, AWrittenBackContributionIsNoFringeBenefit) {
    EngineState engine;
    const Settings settings = PackageSettings(7.5);
    PackageCalculation c = CalculateNetToGross(engine, Package(200000), settings, Annual);
    ASSERT_GT(c.Inputs.FundEmployee, 15000);
    PackageInputs lower = c.Inputs;
    lower.Required = 15000;
    c = CalculateNetToGross(engine, lower, settings, Annual);
    EXPECT_FALSE(c.Refusal);
    EXPECT_FALSE(c.StoppedEarly);
}

TEST(NetToGross, SearchesThatCannotEndAreRefused) {
    const struct {
        const char* Name;
        Settings Setup;
        double Required;
        const char* Start;
    } cases[] = {
        {"everything to the fund", PackageSettings(100), 1000, "The employee's"},
        {"net beyond the largest gross", PackageSettings(), 99999999.99, "No gross salary"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.Name);
        EngineState engine;
        const PackageCalculation c = CalculateNetToGross(engine, Package(k.Required), k.Setup, Annual);
        ASSERT_TRUE(c.Refusal);
        EXPECT_TRUE(c.StoppedEarly);
        EXPECT_EQ(c.Refusal->Text.rfind(k.Start, 0), 0u) << c.Refusal->Text;
        EXPECT_TRUE(c.Refusal->ErrorIcon);
    }
}

// Settings under which a rand of gross adds less than a cent to the net, or
// even takes from it below the UIF ceiling: the one-rand search still ends.
TEST(NetToGross, SearchesUnderHeavySettingsAreFound) {
    const struct {
        const char* Name;
        double EmployeePercent, EmployeeUif, Required, Search;
    } cases[] = {
        {"97% to the fund", 97, 1, 150000, 5459571},
        {"UIF takes what the top rate leaves", 0, 55, 1000, 2223},
        {"net falls below the UIF ceiling", 99, 2, 5000, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.Name);
        Settings settings = PackageSettings(k.EmployeePercent);
        settings.EmployeeUIF = k.EmployeeUif;
        EngineState engine;
        const PackageCalculation c = CalculateNetToGross(engine, Package(k.Required), settings, Annual);
        ASSERT_FALSE(c.Refusal) << c.Refusal->Text;
        const NetToGrossBasis basis = PrepareNetToGross(Package(k.Required), settings, Annual);
        if (k.Search > 0) {
            EXPECT_DOUBLE_EQ(c.Result.Search, k.Search);
        }
        EXPECT_GT(EvaluateNetToGrossStep(basis, c.Result.Search).Net, k.Required);
        EXPECT_LE(EvaluateNetToGrossStep(basis, c.Result.Search - 1).Net, k.Required);
    }
}

TEST(NetToGross, CreditsAboveTheTaxReduceTheNetInstead) {
    PackageInputs in = Package(20000, 70);
    in.MedicalAid = 40000;
    in.Members = 24;
    const Settings settings = PackageSettings();
    EngineState engine;
    const PackageCalculation c = CalculateNetToGross(engine, in, settings, Annual);
    ASSERT_FALSE(c.Refusal);
    const double credits = c.Result.MSFC + c.Result.AMC;
    EXPECT_GT(credits, c.Result.Tax);
    EXPECT_DOUBLE_EQ(c.Shown.TaxDeduct, 0);
    const NetToGrossStep step = EvaluateNetToGrossStep(PrepareNetToGross(in, settings, Annual), c.Result.Search);
    EXPECT_DOUBLE_EQ(step.Net, c.Result.Search - step.Uif.Employee - credits);
}

TEST(NetToGross, MedicalRulesClearTheirFields) {
    PackageInputs in = Package(100000);
    in.MedicalDeductions = 5000;
    in.Members = 3;
    EngineState engine;
    PackageCalculation c = CalculateNetToGross(engine, in, PackageSettings(), Annual);
    EXPECT_DOUBLE_EQ(c.Inputs.MedicalDeductions, 0);  // under 65
    EXPECT_EQ(c.Inputs.Members, 0);                   // no contributions
    in.Age = 65;
    c = CalculateNetToGross(engine, in, PackageSettings(), Annual);
    EXPECT_DOUBLE_EQ(c.Inputs.MedicalDeductions, 5000);
    EXPECT_DOUBLE_EQ(c.Result.Rebate, 27585);
}

}  // namespace
}  // namespace kelvara::testing

#include <gtest/gtest.h>

#include <functional>

#include "../calculators/vehicle/CompanyCarFixtures.h"
#include "ActiveTaxYear.h"
#include "CompanyCar.h"
#include "DeemedCostTable.h"
#include "FundPercentRule.h"
#include "PackageAmounts.h"
#include "PayPeriod.h"
#include "PayPeriodRules.h"
#include "QuickTax.h"
#include "TaxYearFile.h"

namespace kelvara {
namespace {

// Each calculator run in the delivered year and in the test year (every
// figure about 10% up, the dates a year on): the figure moves as the year
// file says.
TEST(TaxYearCalculators, EachCalculatorFollowsTheYearFile) {
    const TaxYearLoad test = LoadTaxYearFile(KV_SOURCE_DIR "/tests/engine/TestYear2028.json");
    ASSERT_TRUE(test.Year) << test.Error;
    const auto companyCar = [](auto figure) {
        return [figure] {
            CompanyCarState s = testing::ListOf({testing::ExampleCar()}, 126000);
            CalculateCompanyCar(s);
            return figure(s);
        };
    };
    const struct {
        const char* Name;
        double Delivered, Test;
        std::function<double()> Figure;
    } cases[] = {
        {"QuickTax rebate at 80", 30834, 19602 + 10742 + 3574,
         [] {
             EngineState engine;
             engine.TaxableIncome = 500000;
             QuickTaxState qt{.QtAge = 80};
             NEWCALC(engine, qt);
             return qt.QtRebate;
         }},
        {"PAYE fund deduction cap", 430000, 473000,
         [] {
             PayPeriodInputs in = DefaultInputs(PayPeriodKind::Annual);
             in.Salary = 5000000;
             in.EmployeeFundCont = 2000000;
             return PayPeriodRules::AllowableFundDeduction(in, Settings{}, 1, nullptr);
         }},
        {"PAYE fund share", 27500, 30250,
         [] {
             PayPeriodInputs in;
             in.Salary = 100000;
             in.EmployeeFundCont = 50000;
             return PayPeriodRules::AllowableFundDeduction(in, Settings{}, 1, nullptr);
         }},
        {"monthly end date", 46082 + 30, 46447 + 30,
         [] { return double(DefaultInputs(PayPeriodKind::Monthly).EndDate); }},
        {"package fund cap", 350000, 385000,
         [] {
             return FundDeductionLimit({5000000, 0}, 1e8, PackagePeriod::Annual, nullptr);
         }},
        {"package company-car benefit", 3500, 3850,
         [] { return CompanyCarBenefit(100000, Settings{.CompCarFBRate8020 = 1}, PackagePeriod::Monthly, nullptr); }},
        {"package fund percent rule keeps 30", 0, 30,
         [] {
             double employee = 20, employer = 10;
             ApplyNetToGrossFundPercentRule(employee, employer);
             return employee + employer;
         }},
        {"package medical deduction at 65", 1000, 0,
         [] {
             PackageInputs inputs;
             inputs.Age = 65;
             inputs.MedicalDeductions = 1000;
             ApplyMedicalFieldRules(inputs);
             return inputs.MedicalDeductions;
         }},
        {"deemed fixed cost", 38344, 42178, [] { return LookupDeemedCost(100000).FixedCost; }},
        {"deemed band bound", 68487, 42178, [] { return LookupDeemedCost(126500).FixedCost; }},
        {"deemed maintenance", 1.269, 1.396, [] { return LookupDeemedCost(2000000).MaintenancePerKm; }},
        {"company car days", 365, 366, companyCar([](auto& s) { return double(s.Results[1].DaysOfUse); })},
        {"company car code 3802", 126000, 138600, companyCar([](auto& s) { return s.Results[1].IRP53802; })},
        {"company car monthly benefit", 8400, 10164, companyCar([](auto& s) { return s.Results[1].MonFB80; })},
        {"company car weekly benefit", 0.2 * 2423, 0.22 * 2665,
         companyCar([](auto& s) { return s.Results[1].WeekFB20; })},
        {"company car fuel", 48360, 53190, companyCar([](auto& s) { return s.Vehicles[1].FuelComponent; })},
        {"company car true inclusion", 75393, 83388, companyCar([](auto& s) { return s.Results[1].TrueInclusion; })},
    };
    for (const auto& c : cases) {
        {
            const ScopedTaxYear scope(test.Year);
            EXPECT_NEAR(c.Figure(), c.Test, 1e-9) << c.Name;
        }
        const ScopedTaxYear delivered(DeliveredTaxYear());
        EXPECT_NEAR(c.Figure(), c.Delivered, 1e-9) << c.Name << " (delivered)";
    }
}

}  // namespace
}  // namespace kelvara

#include <gtest/gtest.h>

#include "FundPercentRule.h"
#include "PackageAmounts.h"
#include "PackageTestSettings.h"

namespace kelvara::testing {
namespace {

TEST(PackageAmounts, CompanyCarBenefit) {
    const struct {
        bool MaintenancePlan;
        double Rate;
        PackagePeriod Period;
        double Benefit;
    } cases[] = {
        {false, 0.8, PackagePeriod::Annual, 100800},
        {false, 0.8, PackagePeriod::Monthly, 8400},
        {true, 0.8, PackagePeriod::Monthly, 7800},
        {true, 0.2, PackagePeriod::Annual, 23400},
    };
    for (const auto& k : cases) {
        Settings s = PackageSettings();
        s.CompCarMPYesNo = k.MaintenancePlan;
        s.CompCarFBRate8020 = k.Rate;
        EXPECT_NEAR(CompanyCarBenefit(300000, s, k.Period), k.Benefit, 1e-9);
    }
}

TEST(PackageAmounts, MedicalCredits) {
    const struct {
        PackagePeriod Period;
        std::int16_t Age, Members;
        double MedicalAid, MedicalAidCost, MSFC, AMC;
    } cases[] = {
        {PackagePeriod::Annual, 40, 24, 12000, 0, 9024, 0},
        {PackagePeriod::Annual, 40, 36, 12000, 0, 12072, 0},
        {PackagePeriod::Monthly, 40, 3, 1000, 0, 1006, 0},
        {PackagePeriod::Annual, 70, 24, 30000, 0, 9024, 975.024},
        {PackagePeriod::Annual, 70, 24, 20000, 0, 9024, 0},
        {PackagePeriod::Annual, 70, 24, 0, 0, 0, 0},
        {PackagePeriod::Monthly, 65, 2, 1000, 2000, 752, 247.752},
    };
    for (const auto& k : cases) {
        PackageInputs in = Package(0, k.Age);
        in.Members = k.Members;
        in.MedicalAid = k.MedicalAid;
        in.MedicalAidCost = k.MedicalAidCost;
        const PackageCredits credits = PackageMedicalCredits(in, k.Period);
        EXPECT_DOUBLE_EQ(credits.MSFC, k.MSFC);
        EXPECT_NEAR(credits.AMC, k.AMC, 1e-9);
    }
}

TEST(PackageAmounts, UifCeilingIsMonthlyInBothPeriods) {
    const Settings s = PackageSettings();
    EXPECT_DOUBLE_EQ(UifAndSkillsLevy(300000, 0, s, PackagePeriod::Annual).Employee, 2125.44);
    EXPECT_DOUBLE_EQ(UifAndSkillsLevy(300000, 0, s, PackagePeriod::Monthly).Employee, 177.12);
    EXPECT_DOUBLE_EQ(UifAndSkillsLevy(10000, 0, s, PackagePeriod::Monthly).Employer, 100);
    EXPECT_DOUBLE_EQ(UifAndSkillsLevy(300000, 20000, s, PackagePeriod::Annual).SkillsLevy, 2800);
}

TEST(PackageAmounts, FundLimitPrefersTheContributionsOnATie) {
    EXPECT_DOUBLE_EQ(FundDeductionLimit({100, 175}, 1000, PackagePeriod::Annual), 275);
    EXPECT_DOUBLE_EQ(FundDeductionLimit({100, 200}, 1000, PackagePeriod::Annual), 275);
    EXPECT_DOUBLE_EQ(FundDeductionLimit({300000, 100000}, 9000000, PackagePeriod::Annual), 350000);
}

TEST(PackageAmounts, TaxIsNeverBelowZeroAndMonthlyIsAYearOverTwelve) {
    EXPECT_DOUBLE_EQ(PeriodTax(nullptr, 90000, 17820, PackagePeriod::Annual), 0);
    EXPECT_DOUBLE_EQ(PeriodTax(nullptr, -5000, 17820, PackagePeriod::Monthly), 0);
    EXPECT_DOUBLE_EQ(PeriodTax(nullptr, 23125, 17820, PackagePeriod::Monthly), 2893.5);
}

TEST(FundPercentRule, HoldsTheTwoPercentagesTo27AndAHalf) {
    const struct {
        double Employee, Employer;
        bool Kept;
    } cases[] = {{20, 7.5, true}, {20, 7.6, false}, {15, 15, false}, {13.725, 13.775, true}, {0, 27.501, false}};
    for (const auto& k : cases) {
        double employee = k.Employee;
        double employer = k.Employer;
        ApplyNetToGrossFundPercentRule(employee, employer);
        EXPECT_DOUBLE_EQ(employee, k.Kept ? k.Employee : 0);
        EXPECT_DOUBLE_EQ(employer, k.Kept ? k.Employer : 0);
    }
}

}  // namespace
}  // namespace kelvara::testing

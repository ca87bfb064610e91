#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "NetToGross.h"
#include "OneRandSearch.h"
#include "PackageTestSettings.h"

namespace kelvara::testing {
namespace {

double Cents(std::mt19937& random, double max) {
    return std::floor(std::uniform_real_distribution<double>(0, max)(random) * 100) / 100;
}

// A package of modest size, so that the one-rand search stays quick, with
// settings anywhere the search is allowed to run.
NetToGrossBasis RandomBasis(std::mt19937& random) {
    const PackagePeriod period = random() % 2 ? PackagePeriod::Annual : PackagePeriod::Monthly;
    const double scale = period == PackagePeriod::Annual ? 12 : 1;
    Settings s = PackageSettings(random() % 3 ? Cents(random, 15) : 0, random() % 3 ? Cents(random, 12.5) : 0);
    s.EmployeeUIF = Cents(random, 2);
    s.EmployerUIF = Cents(random, 2);
    s.SkillLevy = Cents(random, 2);
    s.UIFLimit = std::floor(std::uniform_real_distribution<double>(0, 20000)(random));
    s.TAIncRate8020 = random() % 2 ? 0.8 : 0.2;
    s.CompCarFBRate8020 = random() % 2 ? 0.8 : 0.2;
    s.CompCarMPYesNo = random() % 2;
    PackageInputs in;
    in.Age = static_cast<std::int16_t>(random() % 90);
    in.Required = 1;  // set by the caller
    in.CompanyCar = random() % 4 == 0 ? Cents(random, 300000) : 0;
    in.TravelAllowance = random() % 3 == 0 ? Cents(random, 1500 * scale) : 0;
    in.MedicalAid = random() % 2 ? Cents(random, 2000 * scale) : 0;
    in.MedicalAidCost = random() % 2 ? Cents(random, 2000 * scale) : 0;
    in.Members = static_cast<std::int16_t>(random() % (period == PackagePeriod::Annual ? 60 : 6));
    in.OtherFringeBenefits = random() % 3 == 0 ? Cents(random, 500 * scale) : 0;
    in.MedicalDeductions = random() % 3 == 0 ? Cents(random, 300 * scale) : 0;
    in.FundEmployee = random() % 3 == 0 ? Cents(random, 800 * scale) : 0;
    in.FundEmployer = random() % 3 == 0 ? Cents(random, 800 * scale) : 0;
    in.OtherExpenses[random() % 4].Amount = random() % 3 == 0 ? Cents(random, 300 * scale) : 0;
    return PrepareNetToGross(in, s, period);
}

// Nets to look for: random ones, the exact net of a whole rand (a tie, which
// is not enough), a hair under it, and nets at the bracketing doublings.
std::vector<double> RequiredNets(std::mt19937& random, const NetToGrossBasis& basis) {
    const double top = basis.Period == PackagePeriod::Annual ? 60000 : 8000;
    const double tieAt = std::floor(std::uniform_real_distribution<double>(1, top)(random));
    const double tie = EvaluateNetToGrossStep(basis, tieAt).Net;
    const double doubling = std::ldexp(1.0, static_cast<int>(random() % 14) + 1);
    const double atDoubling = EvaluateNetToGrossStep(basis, doubling).Net;
    return {Cents(random, top),          tie,        std::nextafter(tie, 0.0),
            std::round(tie * 100) / 100, atDoubling, std::nextafter(atDoubling, 0.0)};
}

TEST(NetToGrossSearch, EqualsTheOneRandSearch) {
    std::mt19937 random(20270228);
    int compared = 0;
    for (int i = 0; i < 750; ++i) {
        NetToGrossBasis basis = RandomBasis(random);
        ASSERT_TRUE(NetRisesWithGross(basis.Setup));
        for (const double required : RequiredNets(random, basis)) {
            if (!(required > 0)) continue;
            basis.State.Required = required;
            const std::optional<double> reference = OneRandSearch(basis, 400000);
            ASSERT_TRUE(reference) << "case " << i;
            const std::optional<double> fast = FindGross(basis);
            ASSERT_TRUE(fast) << "case " << i;
            ASSERT_EQ(*fast, *reference) << "case " << i << " required " << required;
            ++compared;
        }
    }
    EXPECT_GT(compared, 3000);
}

// Settings that leave less than a cent of a rand, or let the employee's UIF
// take more than the fund and the tax leave, so that the net falls before the
// UIF ceiling: the search still gives what counting one rand at a time gives.
TEST(NetToGrossSearch, HeavySettingsEqualTheOneRandSearch) {
    std::mt19937 random(20260301);
    const double limit = 150000;
    for (int i = 0; i < 60; ++i) {
        NetToGrossBasis basis = RandomBasis(random);
        basis.Setup.PensionCont = 90 + Cents(random, 10);
        basis.Setup.EmployerPenCont = Cents(random, 10);
        basis.Setup.EmployeeUIF = Cents(random, 3);
        basis.Setup.UIFLimit = std::floor(std::uniform_real_distribution<double>(0, 2000)(random));
        if (NetRisesWithGross(basis.Setup)) continue;
        for (const double required : RequiredNets(random, basis)) {
            if (!(required > 0)) continue;
            basis.State.Required = required;
            const std::optional<double> reference = OneRandSearch(basis, limit);
            const std::optional<double> fast = FindGross(basis);
            if (reference) {
                ASSERT_EQ(fast, reference) << "case " << i << " required " << required;
            } else {
                ASSERT_TRUE(!fast || *fast > limit) << "case " << i << " required " << required;
            }
        }
    }
}

TEST(NetToGrossSearch, TaxBracketEdgesGiveTheOneRandResult) {
    // A gross whose taxable income lands on each bound of the scale.
    const double bounds[] = {245100, 383100, 530200, 695800, 887000};
    const Settings settings = PackageSettings();
    for (const double bound : bounds) {
        NetToGrossBasis basis = PrepareNetToGross(Package(0), settings, PackagePeriod::Annual);
        for (const double offset : {-1.0, 0.0, 1.0}) {
            const double net = EvaluateNetToGrossStep(basis, bound + offset).Net;
            for (const double required : {net, std::nextafter(net, 0.0)}) {
                basis.State.Required = required;
                EXPECT_EQ(FindGross(basis), OneRandSearch(basis, bound + 10)) << bound << " " << offset;
            }
        }
    }
}

TEST(NetToGrossSearch, NetNearTheLargestGrossIsFound) {
    const NetToGrossBasis basis = PrepareNetToGross(Package(50000000, 0), PackageSettings(), PackagePeriod::Annual);
    const std::optional<double> search = FindGross(basis);
    ASSERT_TRUE(search);
    EXPECT_GT(EvaluateNetToGrossStep(basis, *search).Net, 50000000);
    EXPECT_LE(EvaluateNetToGrossStep(basis, *search - 1).Net, 50000000);
}

}  // namespace
}  // namespace kelvara::testing

#include <gtest/gtest.h>

#include "MedicalCredits.h"

namespace kelvara {
namespace {

TEST(MedicalCreditForMembers, FirstTwoMembersThenFurtherOnes) {
    const std::pair<std::int16_t, double> cases[] = {{0, 0}, {1, 376}, {2, 752}, {3, 1006}, {4, 1260}, {5, 1514}};
    for (auto [members, credit] : cases) EXPECT_EQ(MedicalCreditForMembers(members), credit) << members;
}

TEST(MedicalCreditForPeriod, ScalesTheMonthToEachPayPeriod) {
    EXPECT_EQ(std::tuple(MedicalCreditForPeriod(3, CreditPeriod::Monthly),
                         MedicalCreditForPeriod(3, CreditPeriod::Fortnightly),
                         MedicalCreditForPeriod(3, CreditPeriod::Weekly)),
              std::tuple(1006, 503, 251.5));
    EXPECT_DOUBLE_EQ(MedicalCreditForPeriod(3, CreditPeriod::Daily), 1006.0 * 12 / 260);
}

// The daily credit of 13 or more members overflows a 16-bit product; the
// credit is what the formula states, never a wrapped or negative amount.
TEST(MedicalCreditForPeriod, DailyCreditOfManyMembersDoesNotOverflow) {
    for (std::int16_t members : {10, 13, 50, 99}) {
        const double month = 752 + (members - 2) * 254.0;
        EXPECT_DOUBLE_EQ(MedicalCreditForPeriod(members, CreditPeriod::Daily), month * 12 / 260) << members;
    }
    EXPECT_DOUBLE_EQ(MedicalCreditForMembers(32767), 752 + 32765 * 254.0);
}

TEST(MedicalCreditForMonths, TwoMembersAllYearEqualsTwentyFourMemberMonths) {
    std::array<std::int16_t, 12> months;
    months.fill(2);
    EXPECT_EQ(MedicalCreditForMonths(months), 9024);
    EXPECT_EQ(MedicalCreditForMemberMonths(24), 9024);
    months.fill(0);
    months[0] = 3;
    EXPECT_EQ(MedicalCreditForMonths(months), 1006);
}

TEST(MedicalCreditForMemberMonths, FurtherMonthsEarnTheLowerCredit) {
    EXPECT_EQ(
        std::tuple(MedicalCreditForMemberMonths(30), MedicalCreditForMemberMonths(12), MedicalCreditForMemberMonths(0)),
        std::tuple(10548, 4512, 0));
}

TEST(HasMedicalContributions, EitherContributionOpensTheGate) {
    EXPECT_EQ(std::tuple(HasMedicalContributions(0, 0), HasMedicalContributions(-5, 0), HasMedicalContributions(0, 1),
                         HasMedicalContributions(1, 0)),
              std::tuple(false, false, true, true));
}

TEST(AdditionalMedicalCredit, OnlyFromAge65AndNeverNegative) {
    // Credit, employer's and employee's contributions, age, additional credit.
    const std::tuple<double, double, double, std::int16_t, double> cases[] = {
        {752, 0, 3000, 65, (3000 - 2256) * 0.333},
        {752, 0, 3000, 64, 0},
        {752, 0, 2000, 70, 0},   // contributions below three credits
        {0, 1000, 5000, 80, 0},  // no members, no credit
        {752, 0, 0, 80, 0},      // no contributions
        {752, 1000, 2000, 75, (3000 - 2256) * 0.333}};
    for (auto [credit, employer, employee, age, expected] : cases) {
        EXPECT_DOUBLE_EQ(AdditionalMedicalCredit(credit, employer, employee, age), expected)
            << credit << " " << employer << " " << employee << " " << age;
    }
}

}  // namespace
}  // namespace kelvara

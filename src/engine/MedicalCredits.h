#pragma once
#include <array>
#include <cstdint>

namespace kelvara {

// The medical scheme fees tax credit and the additional medical credit of the
// tax year. Pure arithmetic on the figures a calculator passes in.
namespace MedicalCredits {
inline constexpr int FirstMembersCredit = 376;   // a month, each of the first two members
inline constexpr int FurtherMemberCredit = 254;  // a month, each member after the second
inline constexpr int TwoMemberMonth = 752;
inline constexpr double TwoMemberYear = 9024;
inline constexpr double MemberMonthThreshold = 24;
inline constexpr double AdditionalCreditRate = 0.333;  // the decimal, not one third
inline constexpr double CreditsDeducted = 3;
inline constexpr int AdditionalCreditAge = 65;
}  // namespace MedicalCredits

// The pay period a credit is scaled to.
enum class CreditPeriod { Monthly, Fortnightly, Weekly, Daily };

// Whether any medical-aid contribution is paid: without one there is no
// credit, whatever the number of members. Every caller asks this first.
bool HasMedicalContributions(double employerContributions, double employeeContributions);

// The credit for one month with the given number of scheme members.
double MedicalCreditForMembers(std::int16_t members);

// The credit for one pay period: a half of the month's credit a fortnight, a
// quarter a week, and twelve months spread over 260 days a day.
double MedicalCreditForPeriod(std::int16_t members, CreditPeriod period);

// The credit for a span of months, one member count a month (the annual
// calculator passes zero for the months outside its period).
double MedicalCreditForMonths(const std::array<std::int16_t, 12>& membersPerMonth);

// The credit for a year of a salary package, from the member-months summed over it.
double MedicalCreditForMemberMonths(double memberMonths);

// The additional medical credit for the same period as credit, for taxpayers
// of 65 and older; never below 0.
double AdditionalMedicalCredit(double credit, double employerContributions, double employeeContributions,
                               std::int16_t age);

}  // namespace kelvara

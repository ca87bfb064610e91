#pragma once
#include <array>
#include <cstdint>

#include "ActiveTaxYear.h"

namespace kelvara {

// The medical scheme fees tax credit and the additional medical credit of the
// tax year: arithmetic on the year's credits and the figures a calculator
// passes in.

// The pay period a credit is scaled to.
enum class CreditPeriod { Monthly, Fortnightly, Weekly, Daily };

// Whether any medical-aid contribution is paid: without one there is no
// credit, whatever the number of members. Every caller asks this first.
bool HasMedicalContributions(double employerContributions, double employeeContributions);

// The credit for one month with the given number of scheme members.
double MedicalCreditForMembers(std::int16_t members, const TaxYearData& year = ActiveTaxYear());

// The credit for one pay period: a half of the month's credit a fortnight, a
// quarter a week, and twelve months spread over 260 days a day.
double MedicalCreditForPeriod(std::int16_t members, CreditPeriod period, const TaxYearData& year = ActiveTaxYear());

// The credit for a span of months, one member count a month (the annual
// calculator passes zero for the months outside its period).
double MedicalCreditForMonths(const std::array<std::int16_t, 12>& membersPerMonth,
                              const TaxYearData& year = ActiveTaxYear());

// The credit for a year of a salary package, from the member-months summed over it.
double MedicalCreditForMemberMonths(double memberMonths, const TaxYearData& year = ActiveTaxYear());

// The additional medical credit for the same period as credit, for taxpayers
// of 65 and older; never below 0.
double AdditionalMedicalCredit(double credit, double employerContributions, double employeeContributions,
                               std::int16_t age, const TaxYearData& year = ActiveTaxYear());

}  // namespace kelvara

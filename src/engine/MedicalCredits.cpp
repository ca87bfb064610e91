#include "MedicalCredits.h"

namespace kelvara {

bool HasMedicalContributions(double employerContributions, double employeeContributions) {
    return employerContributions > 0 || employeeContributions > 0;
}

// The pay-period calculators form the month's amount in 16-bit whole numbers.
// Every product is a whole number, so wider integers give the same amounts
// wherever 16 bits hold them, and the formula's own value where they would
// overflow (a 16-bit register would stop the program or flip the sign).
namespace {
long MonthlyCredit(long members, const MedicalCreditFigures& m) {
    if (members <= 2) return members * m.FirstMembersCredit;
    return m.TwoMemberMonth() + (members - 2) * m.FurtherMemberCredit;
}
}  // namespace

double MedicalCreditForMembers(std::int16_t members, const TaxYearData& year) {
    return static_cast<double>(MonthlyCredit(members, year.Medical));
}

double MedicalCreditForPeriod(std::int16_t members, CreditPeriod period, const TaxYearData& year) {
    const long month = MonthlyCredit(members, year.Medical);
    switch (period) {
        case CreditPeriod::Monthly: return static_cast<double>(month);
        case CreditPeriod::Fortnightly: return static_cast<double>(month) / 2;
        case CreditPeriod::Weekly: return static_cast<double>(month) / 4;
        case CreditPeriod::Daily: return static_cast<double>(month * 12) / 260;
    }
    return 0;
}

double MedicalCreditForMonths(const std::array<std::int16_t, 12>& membersPerMonth, const TaxYearData& year) {
    double total = 0;
    for (std::int16_t members : membersPerMonth) total += MedicalCreditForMembers(members, year);
    return total;
}

double MedicalCreditForMemberMonths(double memberMonths, const TaxYearData& year) {
    // Two members in each of the twelve months.
    constexpr double memberMonthThreshold = 24;
    const MedicalCreditFigures& m = year.Medical;
    if (memberMonths <= memberMonthThreshold) return memberMonths * m.FirstMembersCredit;
    return m.TwoMemberYear() + (memberMonths - memberMonthThreshold) * m.FurtherMemberCredit;
}

double AdditionalMedicalCredit(double credit, double employerContributions, double employeeContributions,
                               std::int16_t age, const TaxYearData& year) {
    const MedicalCreditFigures& m = year.Medical;
    if (credit <= 0 || !HasMedicalContributions(employerContributions, employeeContributions) ||
        age < m.AdditionalCreditAge) {
        return 0;
    }
    const double additional =
        (employerContributions + employeeContributions - m.CreditsDeducted * credit) * m.AdditionalCreditRate;
    return additional < 0 ? 0 : additional;
}

}  // namespace kelvara

#include "MedicalCredits.h"

namespace kelvara {

using namespace MedicalCredits;

bool HasMedicalContributions(double employerContributions, double employeeContributions) {
    return employerContributions > 0 || employeeContributions > 0;
}

// The pay-period calculators form the month's amount in 16-bit whole numbers.
// Every product is a whole number, so wider integers give the same amounts
// wherever 16 bits hold them, and the formula's own value where they would
// overflow (a 16-bit register would stop the program or flip the sign).
namespace {
long MonthlyCredit(long members) {
    if (members <= 2) return members * FirstMembersCredit;
    return TwoMemberMonth + (members - 2) * FurtherMemberCredit;
}
}  // namespace

double MedicalCreditForMembers(std::int16_t members) { return static_cast<double>(MonthlyCredit(members)); }

double MedicalCreditForPeriod(std::int16_t members, CreditPeriod period) {
    const long month = MonthlyCredit(members);
    switch (period) {
        case CreditPeriod::Monthly: return static_cast<double>(month);
        case CreditPeriod::Fortnightly: return static_cast<double>(month) / 2;
        case CreditPeriod::Weekly: return static_cast<double>(month) / 4;
        case CreditPeriod::Daily: return static_cast<double>(month * 12) / 260;
    }
    return 0;
}

double MedicalCreditForMonths(const std::array<std::int16_t, 12>& membersPerMonth) {
    double total = 0;
    for (std::int16_t members : membersPerMonth) total += MedicalCreditForMembers(members);
    return total;
}

double MedicalCreditForMemberMonths(double memberMonths) {
    if (memberMonths <= MemberMonthThreshold) return memberMonths * FirstMembersCredit;
    return TwoMemberYear + (memberMonths - MemberMonthThreshold) * FurtherMemberCredit;
}

double AdditionalMedicalCredit(double credit, double employerContributions, double employeeContributions,
                               std::int16_t age) {
    if (credit <= 0 || !HasMedicalContributions(employerContributions, employeeContributions) ||
        age < AdditionalCreditAge) {
        return 0;
    }
    const double additional =
        (employerContributions + employeeContributions - CreditsDeducted * credit) * AdditionalCreditRate;
    return additional < 0 ? 0 : additional;
}

}  // namespace kelvara

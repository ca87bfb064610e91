#include "RAExplanation.h"

#include "NumberFormat.h"
#include "PackageAmounts.h"

namespace kelvara {

namespace {

constexpr double kRAAllowance = 3500;
constexpr double kNonRetirementShare = 15;

std::string Amount(double value) { return FormatPattern(value, "### ### ##0.00"); }

bool AnyFundPercentage(const Settings& s) {
    return s.PensionCont > 0 || s.EmployerPenCont > 0 || s.ProvCont > 0 || s.EmployerProvCont > 0;
}

// Without any fund percentage all of the pay is non-retirement-funding
// income; otherwise only the allowances, benefits, other expenses and the
// company car's share (its monthly rate for a year, at the travel allowance's
// inclusion rate) are.
double NonRetirementIncome(PackageKind kind, const PackageInputs& in, const Settings& settings,
                           const PackageShown& shown) {
    const double toYear = kind.Period == PackagePeriod::Annual ? 1 : 12;
    if (!AnyFundPercentage(settings)) {
        const double pay = kind.Direction == PackageDirection::NetToGross ? shown.GrossSal : in.Required;
        return pay * toYear;
    }
    Settings carAtTravelRate = settings;
    carAtTravelRate.CompCarFBRate8020 = settings.TAIncRate8020;
    const double carShare = CompanyCarBenefit(in.CompanyCar, carAtTravelRate, PackagePeriod::Annual);
    return (OtherExpenseTotal(in) + in.OtherFringeBenefits + in.TravelAllowance) * toYear + carShare;
}

}  // namespace

RAExplanationLines ExplainRetirementAnnuity(PackageKind kind, const PackageInputs& inputs, const Settings& settings,
                                            const PackageResult& result, const PackageShown& shown) {
    const double contributions = kind.Period == PackagePeriod::Annual ? result.FundEE : 12 * result.FundEE;
    const double left = kRAAllowance - contributions;
    RAExplanationLines lines;
    lines.LineA =
        "ie: R 3 500 - R" + Amount(contributions) + (left >= 0 ? " = R" + Amount(left) : " = - R" + Amount(-left));
    const double income = NonRetirementIncome(kind, inputs, settings, shown);
    lines.LineC = "ie: R" + Amount(income) + " X 15% = R" + Amount(income * kNonRetirementShare / 100);
    return lines;
}

}  // namespace kelvara

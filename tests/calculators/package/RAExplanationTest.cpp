#include <gtest/gtest.h>

#include "PackageTestSettings.h"
#include "RAExplanation.h"

namespace kelvara::testing {
namespace {

struct RAExplanationCase {
    const char* name;
    PackageKind kind;
    Settings settings;
    PackageInputs inputs;
    double fundEE;    // the employee's fund contribution for the window's period
    double grossSal;  // what the gross salary field shows
    const char* lineA;
    const char* lineC;
};

PackageInputs WithCarAndExtras() {
    PackageInputs in = Package(300000, 0, 10000);
    in.CompanyCar = 200000;
    in.OtherFringeBenefits = 2000;
    in.OtherExpenses[0] = {"Gym", 1000, 1000};
    return in;
}

Settings CarTaxedAtLowerRate(double employeeFundPercent) {
    Settings s = PackageSettings(employeeFundPercent);
    s.CompCarFBRate8020 = 0.2;  // the explanation takes the car at the travel allowance's rate instead
    return s;
}

const RAExplanationCase kCases[] = {
    // Without fund percentages all pay is non-retirement-funding income: the
    // total package going gross to net, the gross salary going net to gross.
    {"annual gross to net, no fund", PravelAnnual, PackageSettings(), Package(300000, 0), 1200, 0,
     "ie: R 3 500 - R1 200.00 = R2 300.00", "ie: R300 000.00 X 15% = R45 000.00"},
    {"monthly net to gross raised to a year, contributions over R3 500", KelvaraMonthly, PackageSettings(),
     Package(15000, 0), 400, 20000, "ie: R 3 500 - R4 800.00 = - R1 300.00", "ie: R240 000.00 X 15% = R36 000.00"},
    // With a fund percentage only the extras and the car's share count: the
    // car at 3.5% a month for a year at the travel allowance's 80%.
    {"annual with a fund: extras and the car", PravelAnnual, CarTaxedAtLowerRate(7.5), WithCarAndExtras(), 3500, 0,
     "ie: R 3 500 - R3 500.00 = R0.00", "ie: R80 200.00 X 15% = R12 030.00"},
    {"monthly with a fund: extras for a year, the car once", PravelMonthly, CarTaxedAtLowerRate(7.5),
     WithCarAndExtras(), 100, 0, "ie: R 3 500 - R1 200.00 = R2 300.00", "ie: R223 200.00 X 15% = R33 480.00"},
};

TEST(RAExplanation, WorksLinesAAndCInAnnualFigures) {
    for (const RAExplanationCase& c : kCases) {
        SCOPED_TRACE(c.name);
        PackageResult result;
        result.FundEE = c.fundEE;
        PackageShown shown;
        shown.GrossSal = c.grossSal;
        const RAExplanationLines lines = ExplainRetirementAnnuity(c.kind, c.inputs, c.settings, result, shown);
        EXPECT_EQ(lines.LineA, c.lineA);
        EXPECT_EQ(lines.LineC, c.lineC);
    }
}

}  // namespace
}  // namespace kelvara::testing

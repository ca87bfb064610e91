#pragma once
#include <string>
#include <vector>

#include "DayNumber.h"

namespace kelvara {

// One row of the income-tax scale; amounts in rand per year, rate in percent.
struct TaxScaleRow {
    double Lower;  // exclusive
    double Upper;  // inclusive
    int Rate;
    double BaseTax;  // the tax on Lower
};

// The upper bound of the scale's last row and of the deemed-cost table's last
// band: it stands for no limit and is never reached.
inline constexpr double NoUpperLimit = 9999999999;

struct RebateFigures {
    double Primary;    // every taxpayer
    double Secondary;  // added from SecondaryAge
    double Tertiary;   // added besides the secondary from TertiaryAge
    int SecondaryAge;
    int TertiaryAge;

    double UnderSecondaryAge() const { return Primary; }
    double FromSecondaryAge() const { return Primary + Secondary; }
    double SecondaryPlusTertiary() const { return Secondary + Tertiary; }
    double FromTertiaryAge() const { return Primary + SecondaryPlusTertiary(); }
};

struct MedicalCreditFigures {
    int FirstMembersCredit;   // a month, each of the first two members
    int FurtherMemberCredit;  // a month, each member after the second
    int AdditionalCreditAge;  // first age that earns the additional credit
    double AdditionalCreditRate;
    double CreditsDeducted;   // credits subtracted from the contributions
    int MedicalDeductionAge;  // first age whose medical expenses are deducted

    int TwoMemberMonth() const { return 2 * FirstMembersCredit; }
    double TwoMemberYear() const { return 12.0 * TwoMemberMonth(); }
};

struct RetirementFundFigures {
    double PercentOfRemuneration;  // the deduction's limit, percent
    double PayPeriodCapPerYear;    // the cap in the PAYE calculators
    double PackageCapPerYear;      // the cap in the salary package calculators

    double Share() const { return PercentOfRemuneration / 100; }
};

struct CompanyCarFigures {
    double MonthlyPercentWithPlan;     // of the car's value, with a maintenance plan
    double MonthlyPercentWithoutPlan;  // without one
    int TrueInclusionDays;             // days of the year the true inclusion divides by
    int BenefitDays;                   // days of the year the payroll benefit divides by
};

// The two shares of a travel allowance or company-car benefit that are taxed
// (fractions): the usual one and the one for mostly business use.
struct InclusionRates {
    double Higher;
    double Lower;
};

// The deemed costs of running a vehicle whose value belongs to a band.
struct DeemedCostRow {
    double FixedCost;         // rand per year
    double FuelPerKm;         // rand per km
    double MaintenancePerKm;  // rand per km
};

struct DeemedCostBand {
    double UpTo;  // the vehicle value that still belongs to the band
    DeemedCostRow Costs;
};

// The shared settings as the settings database is delivered for the year.
struct DeliveredSettingsFigures {
    double EmployeeUIF;  // percent
    double EmployerUIF;  // percent
    double SkillLevy;    // percent
    double UIFLimit;     // rand a month
    double TAIncRate8020;
    double CompCarFBRate8020;
};

// Every figure of one tax year, as its year file gives them. Loaded once and
// never changed: a calculation reads the year it is given.
struct TaxYearData {
    int Year;          // the calendar year the tax year ends in: 2027
    std::string Name;  // "2026/27"
    DayNumber FirstDay;
    DayNumber LastDay;
    std::vector<TaxScaleRow> Scale;  // lowest first; the last row has no upper limit
    RebateFigures Rebates;
    MedicalCreditFigures Medical;
    RetirementFundFigures RetirementFund;
    CompanyCarFigures CompanyCar;
    InclusionRates Inclusion;
    std::vector<DeemedCostBand> DeemedCosts;  // lowest first; values above the last cost as the last
    DeliveredSettingsFigures DeliveredSettings;

    std::string FirstDayText() const { return FormatDate(FirstDay); }  // "01/03/2026"
    std::string LastDayText() const { return FormatDate(LastDay); }    // "28/02/2027"
    // "1 March 2026 to 28 February 2027".
    std::string SpanText() const;
    // "1 Maart 2026 tot 28 Februarie 2027".
    std::string AfrikaansSpanText() const;
    // "2026/2027": the calendar years of the first and last day.
    std::string CalendarYearsText() const;
};

}  // namespace kelvara

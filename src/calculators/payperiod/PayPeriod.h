#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "AnnualMonths.h"
#include "DayNumber.h"
#include "Refusal.h"
#include "Settings.h"
#include "TaxEngine.h"
#include "Working.h"

namespace kelvara {

// The five employees' tax calculators, one per pay period.
enum class PayPeriodKind { Annual, Monthly, Fortnightly, Weekly, Daily };

// What one calculator window holds of the employee's figures for the period.
// Money in rand; counts as 16-bit integers as the windows hold them.
struct PayPeriodInputs {
    std::int16_t Age = 0;
    double Salary = 0;  // with taxable fringe benefits, without travel allowance and employer fund contributions
    double Commission = 0;
    double Bonus = 0;  // irregular: its whole tax falls in this period
    double TravelAllowance = 0;
    double EmployerFundCont = 0;
    double EmployeeFundCont = 0;
    double EmployerMedAidCont = 0;
    double EmployeeMedAidCont = 0;
    std::int16_t Members = 0;    // monthly, fortnightly, weekly, daily
    MonthCounts MonthMembers{};  // annual; [0] is January, [11] December
    DayNumber StartDate = 0;     // annual, monthly
    DayNumber EndDate = 0;
    double NormalDays = 0;  // fortnightly, weekly: whole days
    double ThisDays = 0;
    std::string EmployeeName;  // at most 50 characters
};

// What Calculate works out; nothing is rounded.
struct PayPeriodResult {
    double FundDeduction = 0;     // allowable retirement-fund deduction for the period
    double PeriodTax = 0;         // after rebates, before the medical credits
    double MedicalCredit = 0;     // for the scheme's members
    double AdditionalCredit = 0;  // for the contributions, from age 65
    double TaxAfterCredits = 0;   // never below 0
    double UIFEmployee = 0;       // not annual
    double UIFEmployer = 0;
    double SkillsLevy = 0;
    double TaxableTravel = 0;  // monthly only
    // Annual only: the member counts after the months outside the period were
    // cleared; the window shows them in its month fields.
    MonthCounts MonthMembers{};
};

// Where the window puts the focus after refusing a calculation.
enum class RefusalFocus { StartDate, EndDate, CalculateButton };

// Either a result or a refusal the window shows in a message box, its
// results staying as they were.
struct PayPeriodOutcome {
    std::optional<kelvara::Refusal> Refusal;
    PayPeriodResult Result;                              // meaningful only without a refusal
    RefusalFocus Focus = RefusalFocus::CalculateButton;  // where a refusal leaves the focus
};

// The inputs a calculator window starts with: amounts and counts 0, the
// tax year (annual) or its first month (monthly), full day counts.
PayPeriodInputs DefaultInputs(PayPeriodKind kind);

// Each calculation calls the tax engine twice, with and without the bonus,
// so that afterwards the engine holds the annualised income without it.
// Given an account, a calculation records its working there.
PayPeriodOutcome CalculateAnnual(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                 Working* working = nullptr);
PayPeriodOutcome CalculateMonthly(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                  Working* working = nullptr);
PayPeriodOutcome CalculateFortnightly(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                      Working* working = nullptr);
PayPeriodOutcome CalculateWeekly(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                 Working* working = nullptr);
PayPeriodOutcome CalculateDaily(EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                                Working* working = nullptr);

// The calculator of the given kind.
PayPeriodOutcome Calculate(PayPeriodKind kind, EngineState& engine, const PayPeriodInputs& in, const Settings& settings,
                           Working* working = nullptr);

}  // namespace kelvara

#pragma once
#include "PayPeriod.h"

namespace kelvara {

// The rules every pay-period calculator applies to its own period's amounts.
namespace PayPeriodRules {

inline constexpr double FundDeductionCapPerYear = 430000;
inline constexpr double FundDeductionShare = 0.275;  // of the remuneration

// The share of the travel allowance that is taxed.
double TaxableTravel(const PayPeriodInputs& in, const Settings& settings);

// The employer's and employee's retirement-fund contributions, limited to
// 27.5% of the remuneration and then to the cap of the period.
double AllowableFundDeduction(const PayPeriodInputs& in, const Settings& settings, double cap);

// The monthly UIF limit brought to a period of which there are `periods` a
// year (12: the limit itself).
double UifLimit(const Settings& settings, int periods);

// UIF of employee and employer on the remuneration up to the limit, and the
// skills levy on the whole remuneration less the fund deduction plus the
// commission. Needs the result's FundDeduction.
void AddUifAndSkillsLevy(PayPeriodResult& result, const PayPeriodInputs& in, const Settings& settings,
                         double uifLimit);

// The additional medical credit and the tax after both credits, never below
// 0. Needs the result's PeriodTax and MedicalCredit.
void AddCredits(PayPeriodResult& result, const PayPeriodInputs& in);

// The tax of a period of which there are `periods` a year, on the annualised
// income: the period's share of the year's tax after the rebate, scaled to
// the days worked, plus the whole tax on the bonus. Only the sum is raised to
// 0, so below the threshold the period's share lowers the tax on the bonus.
double RegularPeriodTax(EngineState& engine, double income, double bonus, double rebate, int periods,
                        double thisDays, double normalDays);

// A tax below 0 is none.
inline double AtLeastZero(double value) { return value < 0 ? 0 : value; }

}  // namespace PayPeriodRules
}  // namespace kelvara

#pragma once
#include "MedicalCredits.h"
#include "PayPeriod.h"
#include "Working.h"
#include "WorkingRecorder.h"

namespace kelvara {

// The rules every pay-period calculator applies to its own period's amounts.
namespace PayPeriodRules {

// The share of the travel allowance that is taxed.
double TaxableTravel(const PayPeriodInputs& in, const Settings& settings);

// The employer's and employee's retirement-fund contributions, limited to
// 27.5% of the remuneration and then to the cap of a period of which there
// are `periods` a year (1: the year's cap).
double AllowableFundDeduction(const PayPeriodInputs& in, const Settings& settings, int periods,
                              WorkingRecorder working);

// The monthly UIF limit brought to a period of which there are `periods` a
// year (12: the limit itself).
double UifLimit(const Settings& settings, int periods);

// UIF of employee and employer on the remuneration up to the limit of the
// period, and the skills levy on the whole remuneration less the fund
// deduction plus the commission. Needs the result's FundDeduction.
void AddUifAndSkillsLevy(PayPeriodResult& result, const PayPeriodInputs& in, const Settings& settings, int periods,
                         WorkingRecorder working);

// The medical scheme fees credit of the period, for the scheme's members,
// when any medical-aid contribution is paid.
void AddMedicalCredit(PayPeriodResult& result, const PayPeriodInputs& in, CreditPeriod period, WorkingRecorder working);

// The additional medical credit and the tax after both credits, never below
// 0. Needs the result's PeriodTax and MedicalCredit.
void AddCredits(PayPeriodResult& result, const PayPeriodInputs& in, WorkingRecorder working);

// Records the parts of the period's income before it is annualised, and
// their total as the calculator added them.
void ExplainPeriodIncome(Working& working, const PayPeriodInputs& in, const Settings& settings, double fundDeduction,
                         double total);

// The tax of a period of which there are `periods` a year, on the annualised
// income: the period's share of the year's tax after the rebate, scaled to
// the days worked, plus the whole tax on the bonus. Only the sum is raised to
// 0, so below the threshold the period's share lowers the tax on the bonus.
double RegularPeriodTax(EngineState& engine, double income, double bonus, double rebate, int periods, double thisDays,
                        double normalDays, WorkingRecorder working);

// One call of the tax engine on an annual income, recorded under the heading,
// and the tax less the rebate (which may be below 0).
double AnnualTaxLessRebate(EngineState& engine, double income, double rebate, const char* heading,
                           WorkingRecorder working);

// A tax below 0 is none.
inline double AtLeastZero(double value) { return value < 0 ? 0 : value; }

}  // namespace PayPeriodRules
}  // namespace kelvara

#pragma once
#include <cstdint>

#include "FieldValue.h"
#include "FinanceFields.h"
#include "Loan.h"

namespace kelvara {

// The loan buster's inputs kept in the shared calculation state.
struct LoanBusterState {
    double BusterPrincipal = 0;
    float BusterRate = 0;  // percent, held in single precision
    double ExtraPayment = 0;
};

// What a loan-buster calculation shows: the loan as it stands and, beside it,
// the loan with the extra payment added every month.
struct LoanBusterResult {
    std::int16_t Period = 0;        // n, as calculated with
    double Repayment = 0;           // A0
    double TotalInterest = 0;       // T0
    double TotalRepayments = 0;     // R0
    std::int16_t NewPeriod = 0;     // n'
    double NewRepayment = 0;        // A'
    double NewTotalInterest = 0;    // T'
    double NewTotalRepayments = 0;  // R'
    double TotalSaving = 0;         // S
};

inline void InitLoanBusterState(LoanBusterState& buster) { buster = {}; }

// The normal repayment of the buster's loan over the given months.
double BRPAYMENT(const LoanBusterState& buster, double months);

// The principal that a repayment pays off in the given months at the buster's
// rate.
double BPAMOUNT(const LoanBusterState& buster, double repayment, double months);

// The period search of the loan calculator on the buster's loan: the whole
// months in which the repayment pays the loan off, the repayment raised to
// the cent that does so.
std::int16_t BPER(const LoanBusterState& buster, double& repayment);

// "Calculate": the normal repayment and totals over `period` months, then the
// shorter period and new repayment with the extra payment, whose amount is
// set to the extra the new repayment holds. An extra payment of more than
// ten times the repayment is ignored and the extra-payment figures keep their
// previous values. A principal, period or rate of 0 gives zero results. The
// buster works on its own loan: the loan calculator's figures are its own.
void BBCalc(LoanBusterState& buster, std::int16_t period, LoanBusterResult& result);

// The one record of table "BondBust".
FieldValues BondBustRecord(const LoanBusterState& buster, const LoanBusterResult& result);

inline bool CanPrintLoanBuster(const LoanBusterState& buster) { return buster.BusterPrincipal > 0; }

namespace LoanBusterFields {
inline constexpr NamedFieldBounds Principal{"numPrinAmount", {2, 8, 0, 99999999.99}};
inline constexpr NamedFieldBounds Period{"numPeriod", {0, 3, 0, 600}};
inline constexpr NamedFieldBounds Rate{"numIntRate", {3, 2, 0, 50}};
inline constexpr NamedFieldBounds Extra{"numXtraPay", {2, 8, 0, 99999999.99}};
}  // namespace LoanBusterFields

inline constexpr const char* BondBustTable = "BondBust";
inline constexpr const char* LoanBusterLayout = "\\loanbuster.rpt";
inline constexpr const char* LoanBusterTitle = "Loan Buster";

}  // namespace kelvara

#pragma once
#include <optional>
#include <string>

#include "PackageInputs.h"
#include "Refusal.h"

namespace kelvara {

// The amounts of the last calculation, unrounded; per year or per month as
// the window's period.
struct PackageResult {
    double CarBen = 0;     // taxable company-car benefit
    double Rebate = 0;     // age rebate, always annual
    double MSFC = 0;       // medical scheme fees credit
    double AMC = 0;        // additional medical credit
    double FundEE = 0;     // employee retirement-fund contribution
    double FundER = 0;     // employer retirement-fund contribution
    double FundLimit = 0;  // retirement-fund deduction limit
    double Tax = 0;        // after the age rebate, before the credits
    double UIFEE = 0;
    double UIFER = 0;
    double SDL = 0;
    double Search = 0;  // net to gross: the whole-rand gross the search stopped at
};

// What the result fields show: two-decimal amounts, rounded half to even, and
// the totals add the amounts as shown so that screen and report agree.
struct PackageShown {
    double UIFCont = 0;     // employee UIF
    double CCUIFCont = 0;   // employer UIF
    double CCSkillLev = 0;  // skills levy
    double MAns = 0;        // tax due
    double TaxCredit = 0;
    double TaxDeduct = 0;
    double GrossSal = 0;  // gross salary, or the take-home salary (may be negative)
    double TotCostComp = 0;
    double OnceOff = 0;  // the car's value as a once-off cost, when the note shows
    bool OnceOffNote = false;
    bool LimitWarning = false;  // "R/Fund contributions exceed allowable limits!"; printing is then refused
};

inline constexpr const char* PackageMessageTitle = "Kelvara 2027";

// Why "&Print" prints nothing after a calculation that stopped without a
// word: nothing was required of it.
inline Refusal NothingToPrint(PackageDirection direction) {
    return {PackageMessageTitle,
            direction == PackageDirection::NetToGross
                ? "There is nothing to print: type the net salary required and calculate first."
                : "There is nothing to print: type the total package amount and calculate first.",
            false};
}

// One press of "&Calculate".
struct PackageCalculation {
    // The window's state afterwards: medical deductions and beneficiaries
    // cleared by their rules, computed contributions written back as the
    // amounts the fund fields now hold.
    PackageInputs Inputs;
    // The amounts now held and shown; all 0 after an early stop.
    PackageResult Result;
    PackageShown Shown;
    bool StoppedEarly = false;                // no package was worked out (nothing required, or refused)
    std::optional<kelvara::Refusal> Refusal;  // answered with a message box instead of a result
};

}  // namespace kelvara

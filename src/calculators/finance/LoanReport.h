#pragma once
#include <optional>
#include <string>
#include <vector>

#include "Amortisation.h"
#include "FieldValue.h"
#include "Loan.h"

namespace kelvara {

enum class LoanSchedule { None, Annual, Monthly };

// The layout file and report window title of a loan print. Without a schedule
// there is no title: the report window keeps the last one given.
struct LoanReportLayout {
    std::string File;
    std::optional<std::string> Title;
};

// Whether a loan can be printed: principal, period, rate and repayment all
// non-zero.
bool CanPrintLoan(const LoanState& loan);

LoanReportLayout LoanLayout(const std::string& loanMode, LoanSchedule schedule);

// The one record of table "Loans". The finance charges are filled only while
// they are shown; the schedule kind only when a schedule is included.
FieldValues LoansRecord(const LoanState& loan, LoanSchedule schedule);

// The rows of table "Amort" for a schedule, which this builds into the loan's
// schedule arrays (the annual one through CalcAnnAmort).
std::vector<FieldValues> AmortRecords(LoanState& loan, LoanSchedule schedule);

inline constexpr const char* LoansTable = "Loans";
inline constexpr const char* AmortTable = "Amort";
inline constexpr const char* AmortEmptyingStatement = "DELETE * FROM Amort ";

}  // namespace kelvara

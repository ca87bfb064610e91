#include "LoanReport.h"

#include <array>

namespace kelvara {

namespace {

// In the order of LoanModes.
struct ModeLayouts {
    const char* Plain;
    const char* WithSchedule;
    const char* AnnualTitle;
    const char* MonthlyTitle;
};

constexpr std::array<ModeLayouts, 4> Layouts{{
    {"\\Lonrepa.rpt", "\\LonrepaA.rpt",
     "Annual repayment of Loan with Amortisation - To export printout click on the suitcase button or goto Help",
     "Annual repayment of Loan with Monthly Amortisation - To export printout click on the suitcase button or goto "
     "Help"},
    {"\\LonPrAm.rpt", "\\LonPrAmA.rpt",
     "Principal calculation of Loan with Annual Amortisation - To export printout click on the suitcase button or "
     "goto Help",
     "Principal calculation of Loan with Monthly Amortisation - To export printout click on the suitcase button or "
     "goto Help"},
    {"\\LonRPer.rpt", "\\LonRPerA.rpt",
     "Repayment period calculation of Loan with Annual Amortisation - To export printout click on the suitcase "
     "button or goto Help",
     "Repayment period calculation of Loan with Monthly Amortisation - To export printout click on the suitcase "
     "button or goto Help"},
    {"\\LonInRt.rpt", "\\LonInRtA.rpt",
     "Interest rate calculation of Loan with Annual Amortisation - To export printout click on the suitcase button "
     "or goto Help",
     "Interest rate calculation of Loan with Monthly Amortisation - To export printout click on the suitcase button "
     "or goto Help"},
}};

const ModeLayouts& LayoutsOf(const std::string& mode) {
    for (std::size_t k = 0; k < Layouts.size(); ++k) {
        if (mode == LoanModes[k]) return Layouts[k];
    }
    return Layouts[0];
}

}  // namespace

bool CanPrintLoan(const LoanState& loan) {
    return loan.Principal != 0 && loan.PeriodMonths != 0 && loan.AnnualRate != 0 && loan.Repayment != 0;
}

LoanReportLayout LoanLayout(const std::string& loanMode, LoanSchedule schedule) {
    const ModeLayouts& layouts = LayoutsOf(loanMode);
    switch (schedule) {
        case LoanSchedule::Annual: return {layouts.WithSchedule, layouts.AnnualTitle};
        case LoanSchedule::Monthly: return {layouts.WithSchedule, layouts.MonthlyTitle};
        case LoanSchedule::None: break;
    }
    return {layouts.Plain, std::nullopt};
}

FieldValues LoansRecord(const LoanState& loan, LoanSchedule schedule) {
    const bool shown = FinanceChargesShown(loan);
    FieldValues record{
        {"Heading", loan.LoanMode},
        {"Num1", loan.Principal},
        {"Num2", loan.PeriodMonths},
        {"Num3", loan.AnnualRate},
        {"Num4", loan.Repayment},
        {"FinText1", std::string(shown ? "Total Interest" : "")},
        {"FinText1A", std::string(shown ? ": R" : "")},
        {"FinNum1", shown ? TotalInterest(loan) : 0.0},
        {"FinText2", std::string(shown ? "Total Repayments" : "")},
        {"FinNum2", shown ? TotalRepayments(loan) : 0.0},
    };
    if (schedule != LoanSchedule::None) {
        record.emplace_back("YearMon", std::string(schedule == LoanSchedule::Annual ? "Year" : "Month"));
    }
    return record;
}

std::vector<FieldValues> AmortRecords(LoanState& loan, LoanSchedule schedule) {
    std::vector<ScheduleRow> rows;
    if (schedule == LoanSchedule::Annual) {
        CalcAnnAmort(loan);
        rows = AnnualRows(loan);
    } else if (schedule == LoanSchedule::Monthly) {
        MonthlySchedule(loan);
        rows = MonthlyRows(loan);
    }
    std::vector<FieldValues> records;
    for (const ScheduleRow& row : rows) {
        records.push_back(
            {{"Year", row.Number}, {"Capital", row.Capital}, {"Interest", row.Interest}, {"Required", row.Balance}});
    }
    return records;
}

}  // namespace kelvara

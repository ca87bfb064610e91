#include <gtest/gtest.h>

#include "FinanceTest.h"
#include "LoanReport.h"

namespace kelvara {
namespace {

LoanState PrintableLoan() {
    LoanState loan = MakeLoan("Principal amount", 100000, 30, 10, 0);
    RPAYMENT(loan);
    return loan;
}

TEST(LoanLayout, ChosenByModeAndSchedule) {
    struct Case {
        const char* Mode;
        LoanSchedule Schedule;
        const char* File;
        const char* TitleStart;
    };
    const Case cases[] = {
        {"Monthly repayment", LoanSchedule::None, "\\Lonrepa.rpt", nullptr},
        {"Monthly repayment", LoanSchedule::Annual, "\\LonrepaA.rpt", "Annual repayment of Loan with Amortisation"},
        {"Principal amount", LoanSchedule::Monthly, "\\LonPrAmA.rpt", "Principal calculation of Loan with Monthly"},
        {"Repayment period", LoanSchedule::None, "\\LonRPer.rpt", nullptr},
        {"Interest rate", LoanSchedule::Annual, "\\LonInRtA.rpt", "Interest rate calculation of Loan with Annual"},
    };
    for (const Case& c : cases) {
        const LoanReportLayout layout = LoanLayout(c.Mode, c.Schedule);
        EXPECT_EQ(layout.File, c.File);
        if (c.TitleStart == nullptr) {
            EXPECT_FALSE(layout.Title) << c.Mode;
        } else {
            ASSERT_TRUE(layout.Title) << c.Mode;
            EXPECT_EQ(layout.Title->rfind(c.TitleStart, 0), 0u) << *layout.Title;
            EXPECT_TRUE(layout.Title->ends_with(" - To export printout click on the suitcase button or goto Help"));
        }
    }
}

TEST(LoansRecord, FinanceChargesOnlyWhileShownAndTheScheduleKindOnlyWithASchedule) {
    LoanState loan = PrintableLoan();
    FieldValues record = LoansRecord(loan, LoanSchedule::None);
    ASSERT_EQ(record.size(), 10u);
    EXPECT_EQ(std::get<std::string>(record[0].second), "Principal amount");
    EXPECT_EQ(std::get<std::string>(record[5].second), "");
    EXPECT_EQ(std::get<double>(record[7].second), 0);

    ToggleFinanceCharges(loan);
    record = LoansRecord(loan, LoanSchedule::Monthly);
    ASSERT_EQ(record.size(), 11u);
    EXPECT_EQ(record[5], (FieldValues::value_type{"FinText1", std::string("Total Interest")}));
    EXPECT_EQ(record[6], (FieldValues::value_type{"FinText1A", std::string(": R")}));
    EXPECT_EQ(std::get<double>(record[7].second), TotalInterest(loan));
    EXPECT_EQ(record[8], (FieldValues::value_type{"FinText2", std::string("Total Repayments")}));
    EXPECT_EQ(record[10], (FieldValues::value_type{"YearMon", std::string("Month")}));
}

TEST(AmortRecords, OneRowPerMonthOrYear) {
    LoanState loan = PrintableLoan();
    EXPECT_TRUE(CanPrintLoan(loan));
    EXPECT_EQ(AmortRecords(loan, LoanSchedule::Monthly).size(), 30u);
    const std::vector<FieldValues> years = AmortRecords(loan, LoanSchedule::Annual);
    ASSERT_EQ(years.size(), 3u);
    EXPECT_EQ(years[2][0], (FieldValues::value_type{"Year", std::int32_t{3}}));
    EXPECT_EQ(years[2][3], (FieldValues::value_type{"Required", 0.0}));
    EXPECT_TRUE(AmortRecords(loan, LoanSchedule::None).empty());
    loan.Repayment = 0;
    EXPECT_FALSE(CanPrintLoan(loan));
}

}  // namespace
}  // namespace kelvara

#include <gtest/gtest.h>

#include "PayeTestSupport.h"
#include "PayslipReport.h"
#include "ReportOutput.h"
#include "TempFolder.h"

namespace kelvara::testing {
namespace {

using K = PayPeriodKind;

const FieldValue& Field(const FieldValues& record, const std::string& name) {
    for (const auto& [field, value] : record)
        if (field == name) return value;
    throw std::runtime_error("no field " + name);
}

std::string TextOf(const FieldValues& record, const std::string& name) {
    return std::get<std::string>(Field(record, name));
}

TEST(PayslipReport, CaptionsFollowTheLanguageAndValuesDoNot) {
    PayPeriodInputs in = Inputs(K::Weekly, {.Salary = 6000});
    in.EmployeeName = "Thandi";
    const PayPeriodResult r = CalculateOk(K::Weekly, in);
    const FieldValues english = PayslipReportRecord(K::Weekly, in, r, ReportLanguage::English);
    const FieldValues afrikaans = PayslipReportRecord(K::Weekly, in, r, ReportLanguage::Afrikaans);
    EXPECT_EQ(TextOf(english, "TypeAM"), "Weekly Check");
    EXPECT_EQ(TextOf(afrikaans, "TypeAM"), "Weeklikse Inkomste");
    EXPECT_EQ(TextOf(english, "Employee"), " For : Thandi");
    EXPECT_EQ(TextOf(afrikaans, "Employee"), "Vir : Thandi");
    EXPECT_EQ(TextOf(afrikaans, "TOTAL"), "Totaal belasting");
    EXPECT_EQ(TextOf(afrikaans, "TravAll"), "Reistoelae ontvang");
    EXPECT_EQ(TextOf(english, "SDateNum"), "7");
    ASSERT_EQ(english.size(), afrikaans.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        const std::string& name = english[i].first;
        if (name.find("num") != std::string::npos || name.find("Num") != std::string::npos) {
            EXPECT_EQ(english[i].second, afrikaans[i].second) << name;
        }
    }
    EXPECT_EQ(std::get<double>(Field(english, "TotalNum")), r.TaxAfterCredits);
}

TEST(PayslipReport, NothingLeftAfterCreditsWritesTheWholeNumberZero) {
    PayPeriodInputs in = Inputs(K::Annual, {.Salary = 100000, .EmployeeMedAid = 10000});
    in.MonthMembers.fill(5);
    const PayPeriodResult r = CalculateOk(K::Annual, in);
    const FieldValues record = PayslipReportRecord(K::Annual, in, r, ReportLanguage::English, 1234);
    EXPECT_EQ(Field(record, "TotalNum"), FieldValue(std::int16_t{0}));
    EXPECT_EQ(Field(record, "PAYENum"), FieldValue(std::int16_t{0}));
    EXPECT_EQ(Field(record, "SITENum"), FieldValue(0.0));
    EXPECT_EQ(Field(record, "MedAidBensnum"), FieldValue(std::int32_t{1234}));
    EXPECT_EQ(Field(record, "AnnCalcBens3num"), FieldValue(std::int16_t{5}));
    EXPECT_EQ(TextOf(record, "AnnCalcBens4"), "Apr ");
    EXPECT_EQ(TextOf(PayslipReportRecord(K::Annual, in, r, ReportLanguage::Afrikaans), "AnnCalcBens5"), "Mei");
    EXPECT_EQ(TextOf(record, "Employee"), " For : ");
}

TEST(PayslipReport, MonthlyWritesItsDatesAndBothTravelAmounts) {
    const PayPeriodInputs in = Inputs(K::Monthly, {.Salary = 25000, .Travel = 5000, .End = "15/03/2026"});
    const PayPeriodResult r = CalculateOk(K::Monthly, in);
    const FieldValues record = PayslipReportRecord(K::Monthly, in, r, ReportLanguage::English);
    EXPECT_EQ(TextOf(record, "SDateNum"), "01/03/2026");
    EXPECT_EQ(TextOf(record, "EDateNum"), "15/03/2026");
    EXPECT_EQ(Field(record, "TravOne"), FieldValue(5000.0));
    EXPECT_EQ(Field(record, "TravTwo"), FieldValue(4000.0));
    EXPECT_EQ(Field(record, "UIFEMPENum"), FieldValue(177.12));
}

// Every field of every record is a column of its delivered table.
TEST(PayslipReport, EveryRecordFitsItsTable) {
    const TempFolder folder;
    const ReportOutput output(folder / "Crysprin.db");
    for (K kind : {K::Annual, K::Monthly, K::Fortnightly, K::Weekly, K::Daily}) {
        PayPeriodInputs in = Inputs(kind, {.Salary = 1000});
        in.EmployeeName = "Pieter";
        const FieldValues record = PayslipReportRecord(kind, in, CalculateOk(kind, in), ReportLanguage::Afrikaans);
        const StoreStatus status = output.WriteReportRecord(PayslipReportFor(kind).Table, record);
        EXPECT_TRUE(status.ok) << PayslipReportFor(kind).Table << ": " << status.message;
        std::vector<FieldValues> rows;
        ASSERT_TRUE(output.ReadReportRows(PayslipReportFor(kind).Table, rows).ok);
        ASSERT_EQ(rows.size(), 1u);
    }
}

}  // namespace
}  // namespace kelvara::testing

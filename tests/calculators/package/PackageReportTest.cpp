#include <gtest/gtest.h>

#include <algorithm>

#include "PackageReport.h"
#include "PackageTestSettings.h"

namespace kelvara::testing {
namespace {

const FieldValue* Find(const FieldValues& record, const std::string& name) {
    const auto it = std::find_if(record.begin(), record.end(), [&](const auto& f) { return f.first == name; });
    return it == record.end() ? nullptr : &it->second;
}

std::string Text(const FieldValues& record, const std::string& name) {
    const FieldValue* value = Find(record, name);
    return value ? std::get<std::string>(*value) : "<missing>";
}

double Amount(const FieldValues& record, const std::string& name) {
    const FieldValue* value = Find(record, name);
    return value ? std::get<double>(*value) : -1;
}

TEST(SalPackageRecord, OnlyRowsWithAnAmountAreListed) {
    PackageInputs in;
    in.OtherExpenses[1].Description = "Gym";  // a description without an amount
    in.OtherExpenses[2] = {"Cell phone", 450, 500};
    const FieldValues record = SalPackageRecord(KelvaraAnnual, in, {}, "A Taxpayer");
    EXPECT_EQ(Text(record, "OEXPTXT"), "Other Expenses :");
    for (const std::string row : {"0", "1", "3"}) {
        EXPECT_EQ(Text(record, "ODedTxt" + row), "");
        EXPECT_EQ(Text(record, "ODedR" + row), "");
        EXPECT_EQ(Amount(record, "ODedNum" + row), 0);
        EXPECT_EQ(Amount(record, "ODedNumCC" + row), 0);
    }
    EXPECT_EQ(Text(record, "ODedTxt2"), "Cell phone");
    EXPECT_EQ(Text(record, "ODedR2"), "R");
    EXPECT_EQ(Amount(record, "ODedNum2"), 450);
    EXPECT_EQ(Amount(record, "ODedNumCC2"), 500);
    EXPECT_EQ(Text(SalPackageRecord(KelvaraAnnual, PackageInputs{}, {}, ""), "OEXPTXT"), "");
}

TEST(SalPackageRecord, OnceOffTexts) {
    PackageShown shown;
    shown.OnceOff = 300000;
    const FieldValues record = SalPackageRecord(PravelAnnual, {}, shown, "");
    EXPECT_EQ(Text(record, "PlusCompCar1"), "(plus a 'once-off' cost of R 300000");
    EXPECT_EQ(Text(record, "PlusCompCar2"), "for the company car and this does not include fuel, maintenance etc).");
    const FieldValues none = SalPackageRecord(PravelAnnual, {}, {}, "");
    EXPECT_EQ(Text(none, "PlusCompCar1"), "");
    EXPECT_EQ(Text(none, "PlusCompCar2"), "");
}

TEST(SalPackageRecord, FieldsAndTextsOfEachWindow) {
    const struct {
        PackageKind Kind;
        const char *Heading, *SalaryCaption, *Beneficiaries;
        bool CostToComp, Provident;
        const char* File;
    } cases[] = {
        {KelvaraAnnual, "Kelvara Salary Package Calculation : Annual", "Net annual salary required",
         "Medical beneficiaries months", false, true, "Kelvara.rpt"},
        {KelvaraMonthly, "Kelvara Salary Package Calculation : Monthly", "Net monthly salary required",
         "Med. aid fund beneficiaries", false, false, "Kelvara.rpt"},
        {PravelAnnual, "Pravel Salary Package Calculation : Annual", "Net annual salary required",
         "Medical beneficiaries months", true, true, "Pravel.rpt"},
        {PravelMonthly, "Pravel Salary Package Calculation : Monthly", "Net monthly salary required",
         "Med. aid fund beneficiaries", true, true, "Pravel.rpt"},
    };
    PackageInputs in;
    in.Age = 41;
    in.Members = 12;
    for (const auto& k : cases) {
        SCOPED_TRACE(k.Heading);
        const FieldValues record = SalPackageRecord(k.Kind, in, {}, "Name");
        EXPECT_EQ(record.front().first, "MonAnn");
        EXPECT_EQ(record.back().first, "PlusCompCar2");
        EXPECT_EQ(Text(record, "MonAnn"), k.Heading);
        EXPECT_EQ(Text(record, "MonAnnSal"), k.SalaryCaption);
        EXPECT_EQ(Text(record, "RADirective"), k.Beneficiaries);
        EXPECT_EQ(std::get<std::int32_t>(*Find(record, "TPAge")), 41);
        EXPECT_EQ(std::get<std::int32_t>(*Find(record, "PMems")), 12);
        EXPECT_EQ(Find(record, "CostToComp") != nullptr, k.CostToComp);
        EXPECT_EQ(Find(record, "ProvDeduct") != nullptr, k.Provident);
        EXPECT_EQ(Find(record, "RADeduct") != nullptr, k.Provident);
        EXPECT_EQ(record.size(), 53u - (k.CostToComp ? 0 : 1) - (k.Provident ? 0 : 3));
        EXPECT_EQ(ReportVariantOf(k.Kind).Heading, k.Heading);
        EXPECT_EQ(ReportVariantOf(k.Kind).ReportFile, k.File);
    }
    EXPECT_EQ(ReportVariantOf(PravelMonthly).WindowTitle,
              "Pravel2020 Monthly - To export printout click on the suitcase button or goto Help");
}

}  // namespace
}  // namespace kelvara::testing

#include "PackageReport.h"

#include <charconv>

namespace kelvara {

namespace {

bool IsKelvaraMonthly(PackageKind kind) {
    return kind.Direction == PackageDirection::NetToGross && kind.Period == PackagePeriod::Monthly;
}

// A number as the default number format writes it: plain digits, no grouping,
// no trailing zeros.
std::string PlainNumber(double value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : std::string();
}

void AddOtherExpenseRows(FieldValues& record, const PackageInputs& inputs) {
    const bool anyExpense = OtherExpenseTotal(inputs) > 0;
    record.emplace_back("OEXPTXT", std::string(anyExpense ? "Other Expenses :" : ""));
    for (std::size_t i = 0; i < inputs.OtherExpenses.size(); ++i) {
        const OtherExpense& row = inputs.OtherExpenses[i];
        const bool listed = anyExpense && row.Amount > 0;
        const std::string n = std::to_string(i);
        record.emplace_back("ODedTxt" + n, listed ? row.Description : std::string());
        record.emplace_back("ODedR" + n, std::string(listed ? "R" : ""));
        record.emplace_back("ODedNum" + n, listed ? row.Amount : 0.0);
        record.emplace_back("ODedNumCC" + n, listed ? row.CostToCompany : 0.0);
    }
}

}  // namespace

PackageReportVariant ReportVariantOf(PackageKind kind) {
    const bool annual = kind.Period == PackagePeriod::Annual;
    const std::string period = annual ? "Annual" : "Monthly";
    const std::string name = kind.Direction == PackageDirection::NetToGross ? "Kelvara" : "Pravel";
    return {name + " Salary Package Calculation : " + period, name + ".rpt",
            name + "2020 " + period + " - To export printout click on the suitcase button or goto Help"};
}

FieldValues SalPackageRecord(PackageKind kind, const PackageInputs& inputs, const PackageShown& shown,
                             const std::string& taxpayerName) {
    const bool annual = kind.Period == PackagePeriod::Annual;
    const bool withProvidentLines = !IsKelvaraMonthly(kind);
    FieldValues record;
    record.emplace_back("MonAnn", ReportVariantOf(kind).Heading);
    record.emplace_back("TPName", taxpayerName);
    record.emplace_back("TPAge", std::int32_t{inputs.Age});
    record.emplace_back("MonAnnSal",
                        std::string(annual ? "Net annual salary required" : "Net monthly salary required"));
    record.emplace_back("NetMonSal", inputs.Required);
    if (kind.Direction == PackageDirection::GrossToNet) record.emplace_back("CostToComp", inputs.RequiredCostToCompany);
    record.emplace_back("CompCar", inputs.CompanyCar);
    record.emplace_back("CompCarCC", inputs.CompanyCarCost);
    record.emplace_back("TravAll", inputs.TravelAllowance);
    record.emplace_back("TravAllCC", inputs.TravelAllowanceCost);
    record.emplace_back("MedAidCont", inputs.MedicalAid);
    record.emplace_back("MedAidContCC", inputs.MedicalAidCost);
    record.emplace_back("PMems", std::int32_t{inputs.Members});
    record.emplace_back("AddBens", std::int32_t{inputs.AdditionalBeneficiaries});
    record.emplace_back("TaxFreeMedPrint", 0.0);
    record.emplace_back("OtherTaxFB", inputs.OtherFringeBenefits);
    record.emplace_back("OtherTaxFBCC", inputs.OtherFringeBenefitsCost);
    record.emplace_back("PenDeduct", inputs.FundEmployee);
    record.emplace_back("PenDeductCC", inputs.FundEmployer);
    if (withProvidentLines) {
        // Every calculation clears the provident-fund lines.
        record.emplace_back("ProvDeduct", 0.0);
        record.emplace_back("ProvDeductCC", 0.0);
    }
    record.emplace_back("RADirective",
                        std::string(annual ? "Medical beneficiaries months" : "Med. aid fund beneficiaries"));
    if (withProvidentLines) record.emplace_back("RADeduct", inputs.RADeduction);
    record.emplace_back("MedDeduct", inputs.MedicalDeductions);
    record.emplace_back("UIFCont", shown.UIFCont);
    record.emplace_back("UIFContCC", shown.CCUIFCont);
    record.emplace_back("SkillLevy", shown.CCSkillLev);
    record.emplace_back("TaxDue", shown.MAns);
    record.emplace_back("TaxCredit", shown.TaxCredit);
    record.emplace_back("TaxDeduct", shown.TaxDeduct);
    record.emplace_back("PrinMembers", std::string("(R 720pm each)"));
    record.emplace_back("BenMembers", std::string("(R 440pm each)"));
    AddOtherExpenseRows(record, inputs);
    record.emplace_back("GSal", shown.GrossSal);
    record.emplace_back("TotCostComp", shown.TotCostComp);
    const bool onceOff = shown.OnceOff > 0;
    record.emplace_back("PlusCompCar1",
                        onceOff ? "(plus a 'once-off' cost of R " + PlainNumber(shown.OnceOff) : std::string());
    record.emplace_back(
        "PlusCompCar2",
        std::string(onceOff ? "for the company car and this does not include fuel, maintenance etc)." : ""));
    return record;
}

}  // namespace kelvara

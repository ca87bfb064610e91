#include <gtest/gtest.h>

#include <algorithm>

#include "CarAllowance.h"
#include "CarAllowanceReport.h"
#include "CompanyCarFixtures.h"
#include "CompanyCarReport.h"

namespace kelvara {
namespace {

const FieldValue* Find(const FieldValues& fields, const std::string& name) {
    const auto it = std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return f.first == name; });
    return it == fields.end() ? nullptr : &it->second;
}

TEST(TravelDeductionRecord, WritesOnlyTheFieldsOfItsKindOfClaim) {
    TravelAllowanceState s;
    s.CarDescription = "Polo";
    s.VehicleValue = 250000;
    s.ClosingKm = 60000;
    s.OpeningKm = 30000;
    s.BusinessKm = 18000;
    s.IncludeFuel = false;
    RecalculateTravelAllowance(s, ActiveTaxYear().FirstDay + 184, ActiveTaxYear().LastDay);

    const FieldValues deemed =
        TravelDeductionRecord(s, "J Smith", ActiveTaxYear().FirstDay + 184, ActiveTaxYear().LastDay);
    EXPECT_EQ(std::get<std::string>(*Find(deemed, "TPName")), "J Smith");
    EXPECT_EQ(std::get<std::int16_t>(*Find(deemed, "CARNO")), 1);
    EXPECT_EQ(std::get<std::string>(*Find(deemed, "FCDet")), "Fuel costs not included");
    EXPECT_EQ(std::get<std::string>(*Find(deemed, "MCDet")), "Maintenance costs");
    EXPECT_EQ(std::get<std::string>(*Find(deemed, "DateStart")), "01/09/2026");
    EXPECT_EQ(std::get<double>(*Find(deemed, "mta14")), 181);
    EXPECT_EQ(std::get<double>(*Find(deemed, "tadeduction")), s.DeductionClaim);
    EXPECT_EQ(Find(deemed, "totcost"), nullptr);
    EXPECT_STREQ(CarAllowanceLayout(false), "\\caepnrk.rpt");

    s.RecordsKept = true;
    const FieldValues actual = TravelDeductionRecord(s, "", ActiveTaxYear().FirstDay, ActiveTaxYear().LastDay);
    EXPECT_NE(Find(actual, "pu"), nullptr);
    EXPECT_EQ(Find(actual, "cv"), nullptr);
    EXPECT_EQ(Find(actual, "DateStart"), nullptr);
    EXPECT_STREQ(CarAllowanceLayout(true), "\\caeprk.rpt");
}

TEST(CompanyCarPrintRows, OneRowPerVehicleNumberedFrom1) {
    const auto unpriced = testing::ExampleCar([](auto& v) { v.CCPrice = 0; });
    CompanyCarState s = testing::ListOf({testing::ExampleCar(), testing::ExampleCar(), unpriced}, 126000);
    CalculateCompanyCar(s);
    const std::vector<FieldValues> rows = CompanyCarPrintRows(s);
    ASSERT_EQ(rows.size(), 3u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(std::get<std::int16_t>(*Find(rows[i], "CarNum")), static_cast<std::int16_t>(i + 1));
        EXPECT_EQ(std::get<std::int16_t>(*Find(rows[i], "CMVMaxNum")), 3);
    }
    EXPECT_EQ(std::get<std::string>(*Find(rows[0], "BussMilage")), "Yes");
    EXPECT_EQ(std::get<std::string>(*Find(rows[0], "MaintIncluded")), "No");
    EXPECT_EQ(std::get<double>(*Find(rows[0], "CCMonths")), 365);
    EXPECT_EQ(std::get<std::string>(*Find(rows[0], "CCEndDate")), "28/02/2027");
    EXPECT_EQ(std::get<double>(*Find(rows[0], "TrueInclusion")), 75393);
    EXPECT_EQ(std::get<double>(*Find(rows[0], "IRP53802")), 126000);
    // Without a price the row shows the SARS claim as the adjustment and no inclusion.
    EXPECT_EQ(std::get<double>(*Find(rows[2], "AdjustTaxableInc")), s.Results[3].SARSDeductionClaim);
    EXPECT_EQ(std::get<double>(*Find(rows[2], "TrueInclusion")), 0);
}

}  // namespace
}  // namespace kelvara

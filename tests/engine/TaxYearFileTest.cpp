#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ActiveTaxYear.h"
#include "MedicalCredits.h"
#include "PeriodDates.h"
#include "TaxEngine.h"
#include "TaxYearCatalogue.h"
#include "TaxYearFile.h"

namespace kelvara {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

const fs::path SourceDir = KV_SOURCE_DIR;
const fs::path DeliveredFile = SourceDir / "data/tax-years/2027.json";
const fs::path TestYearFile = SourceDir / "tests/engine/TestYear2028.json";

json ReadJson(const fs::path& path) {
    std::ifstream in(path);
    return json::parse(in);
}

TEST(TaxYearFile, TheDeliveredFileIsTheBuiltInYear) {
    const TaxYearLoad load = LoadTaxYearFile(DeliveredFile);
    ASSERT_TRUE(load.Year) << load.Error;
    const TaxYearData& y = *DeliveredTaxYear();
    EXPECT_EQ(std::tuple(y.Year, y.FirstDay, y.LastDay, y.SpanText(), y.CalendarYearsText()),
              std::tuple(2027, 46082, 46446, "1 March 2026 to 28 February 2027", "2026/2027"));
    ASSERT_EQ(y.Scale.size(), 7u);
    EXPECT_EQ(std::tuple(y.Scale[1].Lower, y.Scale[0].Upper, y.Scale.back().Upper),
              std::tuple(245100, 245100, NoUpperLimit));
    EXPECT_EQ(std::tuple(y.Rebates.FromTertiaryAge(), y.DeemedCosts.back().Costs.FixedCost, y.DeemedCosts.size()),
              std::tuple(30834, 237679, 9u));
}

// Each case spoils the delivered file in one way; the message must name the
// file and the key at fault.
TEST(TaxYearFile, RefusesAFaultyFileNamingTheKey) {
    const json delivered = ReadJson(DeliveredFile);
    const struct {
        const char* Name;
        std::function<void(json&)> Spoil;
        const char* Key;
    } cases[] = {
        {"missing key", [](json& j) { j["rebates"].erase("primary"); }, "\"rebates.primary\" is missing"},
        {"negative rate", [](json& j) { j["incomeTaxScale"][2]["rate"] = -31; }, "\"incomeTaxScale[2].rate\""},
        {"row out of order", [](json& j) { j["incomeTaxScale"][3]["over"] = 300000; },
         "\"incomeTaxScale[3].over\" 300 000 is out of order"},
        {"base tax off the scale", [](json& j) { j["incomeTaxScale"][1]["baseTax"] = 44000; },
         "\"incomeTaxScale[1].baseTax\""},
        {"band out of order", [](json& j) { j["deemedCosts"][4]["upTo"] = 100; }, "\"deemedCosts[4].upTo\""},
        {"credit not whole", [](json& j) { j["medicalCredits"]["eachFurtherMember"] = 254.5; },
         "\"medicalCredits.eachFurtherMember\" 254.500 is not a whole number"},
        {"unknown key", [](json& j) { j["rebates"]["primery"] = 1; }, "\"rebates.primery\" is not a key"},
        {"not a date", [](json& j) { j["firstDay"] = "31/02/2026"; }, "\"firstDay\""},
        {"last day outside the year", [](json& j) { j["lastDay"] = "28/02/2028"; }, "\"lastDay\""},
        {"text for a number", [](json& j) { j["retirementFund"]["packageCapPerYear"] = "350000"; },
         "\"retirementFund.packageCapPerYear\" is not a number"},
        {"rates swapped", [](json& j) { j["inclusionRates"]["lower"] = 0.9; }, "\"inclusionRates.lower\""},
        {"later format", [](json& j) { j["format"] = 2; }, "\"format\""},
    };
    for (const auto& c : cases) {
        json spoilt = delivered;
        c.Spoil(spoilt);
        const TaxYearLoad load = ReadTaxYear(spoilt.dump(), "/somewhere/2027.json");
        EXPECT_FALSE(load.Year) << c.Name;
        EXPECT_NE(load.Error.find("\"/somewhere/2027.json\""), std::string::npos) << c.Name << ": " << load.Error;
        EXPECT_NE(load.Error.find(c.Key), std::string::npos) << c.Name << ": " << load.Error;
    }
    EXPECT_NE(ReadTaxYear("{\"year\": 20", "y.json").Error.find("not a valid year file"), std::string::npos);
    EXPECT_NE(LoadTaxYearFile("/no/such/2027.json").Error.find("cannot be read"), std::string::npos);
}

// The engine's figures of the test year, in which every figure differs from
// the delivered year's and the dates lie a year on.
TEST(TaxYearFile, EveryEngineFigureMovesWithTheYear) {
    const TaxYearLoad test = LoadTaxYearFile(TestYearFile);
    ASSERT_TRUE(test.Year) << test.Error;
    const ScopedTaxYear scope(test.Year);
    const struct {
        const char* Name;
        double Delivered, Test;
        std::function<double()> Figure;
    } cases[] = {
        {"tax on 500 000", 116237, 97944 + (500000 - 421410) * 34.0 / 100, [] { return AnnualTaxOn(500000).Tax; }},
        {"marginal rate", 31, 34, [] { return AnnualTaxOn(500000).MarginalRate; }},
        {"rebate at 65", 27585, 19602, [] { return RebateForAge(65); }},
        {"rebate at 70", 27585, 19602 + 10742, [] { return RebateForAge(70); }},
        {"rebate at 77", 30834, 19602 + 10742 + 3574, [] { return RebateForAge(77); }},
        {"credit, 3 members", 1006, 2 * 414 + 279, [] { return MedicalCreditForMembers(3); }},
        {"credit, daily", 1006 * 12 / 260.0, (2 * 414 + 279) * 12 / 260.0,
         [] { return MedicalCreditForPeriod(3, CreditPeriod::Daily); }},
        {"credit, 30 member-months", 10548, 24 * 414 + 6 * 279, [] { return MedicalCreditForMemberMonths(30); }},
        {"additional credit at 66", (3000 - 3 * 828.0) * 0.333, (3000 - 3.3 * 828) * 0.3663,
         [] { return AdditionalMedicalCredit(828, 0, 3000, 66); }},
        {"no additional credit at 65", (3000 - 3 * 828.0) * 0.333, 0,
         [] { return AdditionalMedicalCredit(828, 0, 3000, 65); }},
        {"first day", 46082, 46082 + 365, [] { return double(PeriodDates::TaxYearBounds().Lower); }},
        {"last day", 46446, 46446 + 366, [] { return double(PeriodDates::TaxYearBounds().Upper); }},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.Figure(), c.Test, 1e-9) << c.Name;
        const ScopedTaxYear delivered(DeliveredTaxYear());
        EXPECT_NEAR(c.Figure(), c.Delivered, 1e-9) << c.Name << " (delivered)";
    }
    EXPECT_EQ(PeriodDates::StartDateMessage(),
              "The date entered is not correct please enter a date between 01/03/2027 and 29/02/2028");
}

class TaxYearFolders : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(root_);
        fs::create_directories(program_);
        fs::create_directories(user_);
        fs::copy_file(DeliveredFile, program_ / "2027.json");
    }
    void TearDown() override { fs::remove_all(root_); }
    void Write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

    const fs::path root_ = fs::temp_directory_path() / ("kv-tax-years-" + std::to_string(::getpid()));
    const fs::path program_ = root_ / "program";
    const fs::path user_ = root_ / "user";
};

TEST_F(TaxYearFolders, AUserYearIsOfferedAndTheLatestIsChosen) {
    fs::copy_file(TestYearFile, user_ / "next.json");
    Write(user_ / "broken.json", "{ not json");
    const TaxYearCatalogue catalogue = FindTaxYears({program_, user_, root_ / "missing"});
    ASSERT_EQ(catalogue.Years.size(), 2u);
    EXPECT_EQ(std::tuple(catalogue.Latest().Data->Year, catalogue.Latest().File, catalogue.Find(2027)->File),
              std::tuple(2028, user_ / "next.json", program_ / "2027.json"));
    EXPECT_EQ(catalogue.Find(2026), nullptr);
    ASSERT_EQ(catalogue.Refusals.size(), 1u);
    EXPECT_NE(catalogue.Refusals[0].find("broken.json"), std::string::npos);
}

TEST_F(TaxYearFolders, WithNoReadableFileTheBuiltInYearRemains) {
    fs::remove(program_ / "2027.json");
    Write(program_ / "2027.json", "[]");
    const TaxYearCatalogue catalogue = FindTaxYears({program_, user_});
    ASSERT_EQ(catalogue.Years.size(), 1u);
    EXPECT_EQ(catalogue.Latest().Data, DeliveredTaxYear());
    EXPECT_EQ(catalogue.Refusals.size(), 1u);
}

// No figure of the year is left in the code: each of these amounts and dates
// of 2026/27 may appear in src/ only in comments.
TEST(TaxYearFile, NoFigureOfTheYearIsLeftInTheCode) {
    const std::vector<std::string> figures = {
        "245100",       "383100",          "530200", "695800", "887000",     "1878600",    "44118",
        "79998",        "125599",          "185215", "259783", "666339",     "17820",      "9765",
        "13014",        "27585",           "30834",  "376",    "254",        "752",        "9024",
        "0.333",        "430000",          "350000", "0.275",  "27.5",       "3.25",       "0.0325",
        "0.035",        "36600",           "38344",  "68487",  "237679",     "1.329",      "2.201",
        "920000",       "17712",           "46082",  "46446",  "01/03/2026", "28/02/2027", "31/03/2026",
        "1 March 2026", "28 February 2027"};
    const auto isFigureChar = [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)) || ch == '.'; };
    for (const auto& entry : fs::recursive_directory_iterator(SourceDir / "src")) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            const std::string code = line.substr(0, line.find("//"));
            for (const std::string& figure : figures) {
                for (auto at = code.find(figure); at != std::string::npos; at = code.find(figure, at + 1)) {
                    const bool before = at > 0 && isFigureChar(code[at - 1]);
                    const std::size_t end = at + figure.size();
                    const bool after = end < code.size() && (std::isdigit(static_cast<unsigned char>(code[end])) ||
                                                             (code[end] == '.' && end + 1 < code.size() &&
                                                              std::isdigit(static_cast<unsigned char>(code[end + 1]))));
                    EXPECT_TRUE(before || after) << entry.path().string() << ":" << number << " holds " << figure;
                }
            }
        }
    }
}

}  // namespace
}  // namespace kelvara

#include <gtest/gtest.h>

#include <array>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

const std::string kTestYear = "--tax-year-file " + std::string(KV_SOURCE_DIR) + "/tests/engine/TestYear2028.json";

// The same commands in the delivered year, named or by default, and in the
// test year's file: the figures move as the file says, and the help names the
// year by its last day.
std::vector<CliCase> InYear(const std::string& name, const std::string& year, double tax, double rebate, double credit,
                            const char* lastDay) {
    std::vector<CliCase> cases = {
        Gives("tax --income 500000 --age 40 " + year, {Figure("Tax", tax), Figure("Rebate", rebate)}),
        Gives(year + " paye monthly --salary 30000 --members 2 --employee-med-aid-cont 3000",
              {Figure("MedicalCredit", credit)}),
        Shows(year + " --help", {lastDay})};
    for (std::size_t i = 0; i < cases.size(); ++i) cases[i].Name = name + " " + std::array{"tax", "paye", "help"}[i];
    return cases;
}

std::vector<CliCase> Cases() {
    std::vector<CliCase> cases = {
        OnInput(R"({"format": 1, "year": 2028})", "unusable_year_file",
                Mistake("tax --income 1 --tax-year-file {input}", {"{input}", "\"name\" is missing"})),
        Mistake("tax --income 1 --tax-year 2031"),
        Mistake("tax --income 1 --tax-year x"),
        Mistake("tax --income 1 --tax-year-file /no/such/year.json"),
    };
    for (const auto& year :
         {InYear("by default", "", 116237, 17820, 752, "28 February 2027"),
          InYear("named", "--tax-year 2027", 116237, 17820, 752, "28 February 2027"),
          InYear("from a file", kTestYear, 97944 + 78590 * 34.0 / 100, 19602, 2 * 414, "29 February 2028")})
        cases.insert(cases.end(), year.begin(), year.end());
    return cases;
}

INSTANTIATE_TEST_SUITE_P(TaxYear, CliCases, ::testing::ValuesIn(Cases()), CliCaseName);

}  // namespace
}  // namespace kelvara::testing

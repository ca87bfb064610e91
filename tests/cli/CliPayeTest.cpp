#include <gtest/gtest.h>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

// The delivered settings, given so that no stored change can move the figures.
const std::string kDeliveredSetup =
    " --employee-uif 1 --employer-uif 1 --skill-levy 1 --uif-limit 17712 --ta-inc-rate 0.8";

CliCase Paye(const std::string& arguments, const char* key, double value) {
    return Gives("paye " + arguments + kDeliveredSetup, {Figure(key, value) + "~1e-9"});
}

const CliCase kCases[] = {
    Paye("monthly --salary 25000 --end-date 15/03/2026", "TaxAfterCredits", 5649.475806451613),
    Paye("monthly --salary 25000 --end-date 2026-03-15", "TaxableIncome", 620000),
    Paye("monthly --salary 20000 --travel-allowance 5000", "TaxableTravel", 4000),
    Paye("monthly --salary 25000", "UIFEmployee", 177.12),
    Paye("annual --salary 300000 --bonus 20000", "PeriodTax", 45772),
    Paye("annual --salary 300000 --bonus 20000", "TaxableIncome", 300000),
    Paye("weekly --salary 6000 --normal-days 5 --this-days 3", "PeriodTax", 1207.1192307692307),
    Paye("fortnightly --salary 12000", "PeriodTax", 1680.4615384615386),
    Paye("daily --salary 1200 --bonus 2000", "PeriodTax", 688.0461538461538),
    Paye("daily --members 20 --employee-med-aid-cont 20", "MedicalCredit", 63888.0 / 260),
    // The annual calculator's month members in tax-year order, those before the start cleared.
    Gives("paye annual --month-members 2 --employee-med-aid-cont 100 --start-date 01/06/2026" + kDeliveredSetup,
          {"MonthMembers=[0,0,0,2,2,2,2,2,2,2,2,2]", Figure("MedicalCredit", 9 * 752), "!UIFEmployee"}),

    Refusal("paye monthly --end-date 01/04/2026", "Incorrect Date",
            "The Start and End dates entered must be for the same Month"),
    Refusal("paye monthly --start-date 15/03/2026 --end-date 10/03/2026", "Incorrect Date",
            "The Start date entered must be before the End date"),
    Refusal("paye weekly --normal-days 5 --this-days 6", "Incorrect Number of Days",
            "The number of 'Normal work-week' days must be = to or larger than 'This work-week'."),
    Refusal("paye fortnightly --this-days 0", "Incorrect Number of Days",
            "The number of 'This fortnight' days must be larger than 0."),
    Refusal("paye annual --start-date 01/06/2026 --end-date 31/05/2026", "Incorrect Date",
            "The date entered is not correct please enter a date between 01/06/2026 and 28/02/2027"),

    Mistake("paye weekly --this-days 8"),
    Mistake("paye daily --normal-days 7"),
    Mistake("paye annual --month-members 1,2"),
    Mistake("paye annual --month-members 25"),
    Mistake("paye monthly --start-date 01/03/2027"),
    Mistake("paye monthly --salary 1.5"),
    Mistake("paye annual --members 2"),
    Mistake("paye weekly --salary 10000000"),
    Mistake("paye monthly --end-date 31/02/2027"),
    Mistake("paye"),
    Mistake("paye daily --ta-inc-rate 2"),
    Mistake("paye daily --csv /no/such/file.csv"),

    // Payroll batches: annual rows take quoted month lists; an unknown column is a mistake.
    OnInput("salary,month-members,employee-med-aid-cont\n300000,\"2,2,2,2,2,2,2,2,2,2,2,3\",10\n", "month_lists",
            Shows("paye annual --csv {input}", {",31294,300000,\"2,2,2,2,2,2,2,2,2,2,2,3\"\n"})),
    OnInput("salary,nickname\n1,2\n", "unknown_column", Mistake("paye daily --csv {input}", {"nickname"})),
};

INSTANTIATE_TEST_SUITE_P(Paye, CliCases, ::testing::ValuesIn(kCases), CliCaseName);

TEST(CliPayeBatch, ChecksEveryRowAndReportsTheBadOnes) {
    const InputFile payroll(
        "salary,end-date,payslip-paye\r\n"
        "25000,15/03/2026,5649.48\r\n"
        "25000,,3400\r\n"
        "\r\n"
        "abc,,\r\n"
        "25000,01/04/2026,\r\n"
        "20000,,\r\n");
    const CliRun run = RunCli("paye monthly --csv " + payroll.Path() + kDeliveredSetup);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out,
              "salary,end-date,payslip-paye,FundDeduction,PeriodTax,MedicalCredit,AdditionalCredit,TaxAfterCredits,"
              "TaxableIncome,UIFEmployee,UIFEmployer,SkillsLevy,TaxableTravel,difference\n"
              "25000,15/03/2026,5649.48,0,5649.475806451613,0,0,5649.475806451613,620000,177.12,177.12,250,0,0\n"
              "25000,,3400,0,3381,0,0,3381,300000,177.12,177.12,250,0,19\n"
              "20000,,,0,2115,0,0,2115,240000,177.12,177.12,200,0,\n");
    for (const char* said : {"line 5: --salary 'abc' is not a number",
                             "line 6: Incorrect Date: The Start and End dates entered must be for the same Month"})
        EXPECT_NE(run.Err.find(said), std::string::npos) << run.Err;
}

}  // namespace
}  // namespace kelvara::testing

// kelvara-calc under faults and hostile input: it never crashes, never claims
// success for a failure, and never repeats raw input to the terminal.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

const std::string kSetup = " --employee-uif 1 --employer-uif 1 --skill-levy 1 --uif-limit 17712 --ta-inc-rate 0.8";
const std::string kCar = R"({"vehicles": [{"CCPrice": 300000, "EndMileage": 50000, "StartMileage": 20000}]})";
// The adjustment is raised to minus a code 3802 total of 0.
const std::string kZeroTotal = R"({"Actual3802": 0, "vehicles": [{"CCPrice": 100000, "EndMileage": 20000,
    "BusDistance": 10000, "BussMilage": true, "ActualExpEmployee": 900000}]})";
// The end mileage is below the start mileage.
const std::string kBackwards =
    R"({"vehicles": [{"CCPrice": 100000, "EndMileage": 1000, "StartMileage": 5000, "BussMilage": true}]})";
const std::string kControls = std::string("salary\n12\x1b[31m") + '\0' + "x34\n";
const std::string kUmlauts = "ÄÄÄÄÄÄÄÄÄÄ";  // ten characters of two bytes each
const std::string kTenCharacters =
    R"({"vehicles": [{"CCRegNumber": ")" + kUmlauts + R"(", "CCMake": ")" + kUmlauts + kUmlauts + R"("}]})";
const std::string kElevenCharacters = R"({"vehicles": [{"CCRegNumber": ")" + kUmlauts + R"(Ä"}]})";

CliCase Unwritable(const std::string& command) { return Mistake(command + " > /dev/full", {"could not be written"}); }

// Neither the JSON nor the text of a company car shows a negative zero.
CliCase NoNegativeZero(const std::string& car, const std::string& name, const std::string& format) {
    return OnInput(car, name + "_" + format,
                   Shows("company-car --format " + format + " --input {input}", {}, {": -0,", ": -0}", " -0.00\n"}));
}

// The payroll CSV as spreadsheets write it: what the output (status 0 or 1) or
// the message (status 2) holds.
CliCase Payroll(const char* name, const char* kind, const std::string& csv, int status, const std::string& said) {
    const std::string command = std::string("paye ") + kind + " --csv {input}" + kSetup;
    CliCase c = status == 2 ? Mistake(command, {said}) : Shows(command, {said});
    c.Status = status;
    return OnInput(csv, name, c);
}

const CliCase kCases[] = {
    Mistake("company-car --input /tmp", {"is a folder"}),
    Mistake("paye monthly --csv /tmp", {"is a folder"}),
    Unwritable("tax --income 5"),
    Unwritable("--help"),
    OnInput("salary\n30000\n20000\n", "payroll_to_a_full_disk", Unwritable("paye monthly --csv {input}")),
    OnInput(kCar, "company_car_to_a_full_disk", Unwritable("company-car --input {input}")),
    Unwritable("tax --income 5 --format text --explain"),

    // No figure is printed unless it is finite.
    Mistake("tax --income 4e306", {"out of range"}),
    Mistake("tax --income -4e306 --explain", {"out of range"}),
    Shows("tax --format text --explain --income 999999999999", {}, {"nf", "NaN"}),
    Shows("tax --format text --explain --income -999999999999", {}, {"nf", "NaN"}),
    NoNegativeZero(kZeroTotal, "zero_total", "json"),
    NoNegativeZero(kZeroTotal, "zero_total", "text"),
    NoNegativeZero(kBackwards, "backwards", "json"),
    NoNegativeZero(kBackwards, "backwards", "text"),

    // Messages quote little of the input and escape control characters.
    Mistake("tax --income \"$(printf '12\\n34')\"", {"12\\n34"}),
    Mistake("tax --income \"$(printf '\\033[2J')\"", {"\\x1b[2J"}),
    Mistake("tax --income " + std::string(100000, '9'), {"999..."}),
    OnInput(kControls, "controls",
            {.Command = "paye monthly --csv {input}", .Status = 1, .Err = {"12\\x1b[31m\\x00x34"}}),
    Mistake("company-car --input \"$(printf 'a\\033b')\"", {"a\\x1bb"}),

    // Text limits count characters, not bytes.
    OnInput(kTenCharacters, "ten_characters", Gives("company-car --input {input}", {})),
    OnInput(kElevenCharacters, "eleven_characters", Mistake("company-car --input {input}", {"at most 10 characters"})),

    Payroll("byte_order_mark", "monthly", "\xEF\xBB\xBFsalary,age\n30000,40\n", 0, "salary,age,"),
    Payroll("letter_case_and_spaces", "monthly", " Salary ,AGE\r\n30000,40\r\n", 0, "salary,age,"),
    Payroll("trailing_empty_header_cell", "monthly", "salary,age,\n30000,40,\n25000,40\n", 0, "\n25000,40,"),
    Payroll("line_break_in_a_quoted_cell", "monthly", "salary,age\n\"300\n00\",40\n30000,40\n", 1, "\n30000,40,"),
    Payroll("old_Mac_line_ends", "monthly", "salary\r30000\r25000\r", 0, "\n25000,"),
    Payroll("semicolons_decimal_comma", "daily", "salary;age\n1500,50;40\n", 0, ",390130,"),
    Payroll("tabs", "monthly", "salary\tage\n30000\t40\n", 0, "\n30000,40,"),
    Payroll("named_twice", "monthly", "salary,Salary\n1,2\n", 2, "'salary' is named twice"),
    Payroll("payslip_twice", "monthly", "salary,payslip-paye,payslip-paye\n1,2,3\n", 2,
            "'payslip-paye' is named twice"),
    Payroll("not_an_annual_option", "annual", "members\n1\n", 2, "is not an option of paye annual"),
};

INSTANTIATE_TEST_SUITE_P(Faults, CliCases, ::testing::ValuesIn(kCases), CliCaseName);

TEST(CliFaults, EndlessInputEndsWithAMessage) {
    rlimit before{};
    getrlimit(RLIMIT_AS, &before);
    rlimit limited = before;
    limited.rlim_cur = 1ull << 30;  // inherited by the program run next
    setrlimit(RLIMIT_AS, &limited);
    const CliRun endless = RunCli("company-car --input /dev/zero");
    setrlimit(RLIMIT_AS, &before);
    EXPECT_EQ(endless.ExitCode, 2);
    EXPECT_EQ(endless.Out, "");
    EXPECT_EQ(endless.Err.find('\n'), endless.Err.size() - 1) << endless.Err.substr(0, 300);
    EXPECT_NE(endless.Err.find("memory"), std::string::npos) << endless.Err.substr(0, 300);
}

// Ten million digits in one cell, made when this test runs rather than at
// every start of the test program.
TEST(CliFaults, AHugeCellIsQuotedShort) {
    const std::string cell = std::string(5000000, '7') + std::string(5000000, '7') + "x";
    ExpectCase(OnInput("salary\n" + cell + "\n", "",
                       {.Command = "paye monthly --csv {input}", .Status = 1, .Err = {"777..."}}));
}

TEST(CliFaults, AnErrorInAQuotedCellIsPlacedOnTheRecordsFirstLine) {
    const InputFile broken("salary,age\n\"300\n00\",40\n30000,40\n");
    EXPECT_EQ(RunCli("paye monthly --csv " + broken.Path()).Err.find("line 2:"), 14u);
}

}  // namespace
}  // namespace kelvara::testing

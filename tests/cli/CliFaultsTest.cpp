// kelvara-calc under faults and hostile input: it never crashes, never claims
// success for a failure, and never repeats raw input to the terminal.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace kelvara::testing {
namespace {

using nlohmann::json;

const std::string kSetup = " --employee-uif 1 --employer-uif 1 --skill-levy 1 --uif-limit 17712 --ta-inc-rate 0.8";

// A failure: the given status, nothing on standard output, one line on
// standard error holding the given text.
void ExpectFailure(const CliRun& run, int status, const std::string& said, const std::string& what) {
    EXPECT_EQ(run.ExitCode, status) << what << ": " << run.Err;
    if (status == 2) {
        EXPECT_EQ(run.Out, "") << what;
    }
    EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << what << ": " << run.Err.substr(0, 300);
    EXPECT_NE(run.Err.find(said), std::string::npos) << what << ": " << run.Err.substr(0, 300);
}

const std::string kCar = R"({"vehicles": [{"CCPrice": 300000, "EndMileage": 50000, "StartMileage": 20000}]})";

TEST(CliFaults, FoldersAndEndlessInputEndWithAMessage) {
    ExpectFailure(RunCli("company-car --input /tmp"), 2, "is a folder", "company-car folder");
    ExpectFailure(RunCli("paye monthly --csv /tmp"), 2, "is a folder", "csv folder");
    rlimit before{};
    getrlimit(RLIMIT_AS, &before);
    rlimit limited = before;
    limited.rlim_cur = 1ull << 30;  // inherited by the program run next
    setrlimit(RLIMIT_AS, &limited);
    const CliRun endless = RunCli("company-car --input /dev/zero");
    setrlimit(RLIMIT_AS, &before);
    ExpectFailure(endless, 2, "memory", "endless input");
}

TEST(CliFaults, OutputThatCannotBeWrittenIsAFailure) {
    const InputFile car(kCar);
    const InputFile payroll("salary\n30000\n20000\n");
    for (const std::string& command :
         {std::string("tax --income 5"), std::string("--help"), "paye monthly --csv " + payroll.Path(),
          "company-car --input " + car.Path(), std::string("tax --income 5 --format text --explain")}) {
        ExpectFailure(RunCli(command + " > /dev/full"), 2, "could not be written", command);
    }
}

TEST(CliFaults, NoFigureIsPrintedUnlessItIsFinite) {
    ExpectFailure(RunCli("tax --income 4e306"), 2, "out of range", "huge income");
    ExpectFailure(RunCli("tax --income -4e306 --explain"), 2, "out of range", "huge loss");
    for (const char* income : {"999999999999", "-999999999999"}) {
        const CliRun run = RunCli(std::string("tax --format text --explain --income ") + income);
        EXPECT_EQ(run.ExitCode, 0) << income;
        EXPECT_EQ(run.Out.find("nf"), std::string::npos) << run.Out;
        EXPECT_EQ(run.Out.find("NaN"), std::string::npos) << run.Out;
    }
}

TEST(CliFaults, NoNegativeZeroIsPrinted) {
    const std::string cars[] = {
        // The adjustment is raised to minus a code 3802 total of 0.
        R"({"Actual3802": 0, "vehicles": [{"CCPrice": 100000, "EndMileage": 20000, "BusDistance": 10000,
            "BussMilage": true, "ActualExpEmployee": 900000}]})",
        // The end mileage is below the start mileage.
        R"({"vehicles": [{"CCPrice": 100000, "EndMileage": 1000, "StartMileage": 5000, "BussMilage": true}]})",
    };
    for (const std::string& text : cars) {
        const InputFile car(text);
        for (const char* format : {"json", "text"}) {
            const CliRun run = RunCli("company-car --format " + std::string(format) + " --input " + car.Path());
            EXPECT_EQ(run.ExitCode, 0) << run.Err;
            for (const char* negativeZero : {": -0,", ": -0}", " -0.00\n"})
                EXPECT_EQ(run.Out.find(negativeZero), std::string::npos) << run.Out;
        }
    }
}

TEST(CliFaults, MessagesQuoteLittleOfTheInputAndEscapeControlCharacters) {
    const std::string huge(100000, '9');
    const InputFile hugeCell("salary\n" + std::string(10000000, '7') + "x\n");
    const InputFile controls(std::string("salary\n12\x1b[31m\0x34\n", 19));
    const struct {
        std::string Command;
        const char* Said;  // shown escaped
    } cases[] = {
        {"tax --income \"$(printf '12\\n34')\"", "12\\n34"},
        {"tax --income \"$(printf '\\033[2J')\"", "\\x1b[2J"},
        {"tax --income " + huge, "999..."},
        {"paye monthly --csv " + hugeCell.Path(), "777..."},
        {"paye monthly --csv " + controls.Path(), "12\\x1b[31m\\x00x34"},
        {"company-car --input \"$(printf 'a\\033b')\"", "a\\x1bb"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.Command);
        EXPECT_NE(run.ExitCode, 0) << c.Said;
        EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << c.Said;
        EXPECT_LT(run.Err.size(), 300u) << c.Said;
        EXPECT_EQ(run.Err.find('\x1b'), std::string::npos) << c.Said;
        EXPECT_NE(run.Err.find(c.Said), std::string::npos) << run.Err;
    }
}

TEST(CliFaults, TextLimitsCountCharacters) {
    const std::string umlaut = "\xC3\x84";
    std::string ten, eleven;
    for (int i = 0; i < 10; ++i) ten += umlaut;
    eleven = ten + umlaut;
    const InputFile fits(R"({"vehicles": [{"CCRegNumber": ")" + ten + R"(", "CCMake": ")" + ten + ten + R"("}]})");
    EXPECT_EQ(RunCli("company-car --input " + fits.Path()).ExitCode, 0);
    const InputFile tooLong(R"({"vehicles": [{"CCRegNumber": ")" + eleven + R"("}]})");
    ExpectFailure(RunCli("company-car --input " + tooLong.Path()), 2, "at most 10 characters", "eleven");
}

// The payroll CSV as spreadsheets write it.
struct CsvCase {
    const char* Name;
    std::string Text;
    const char* Kind;
    int Status;
    const char* Said;  // in the output (status 0 or 1) or the message (status 2)
};

TEST(CliFaults, ThePayrollReadsWhatSpreadsheetsWrite) {
    const CsvCase cases[] = {
        {"byte-order mark", "\xEF\xBB\xBFsalary,age\n30000,40\n", "monthly", 0, "salary,age,"},
        {"letter case and spaces", " Salary ,AGE\r\n30000,40\r\n", "monthly", 0, "salary,age,"},
        {"trailing empty header cell", "salary,age,\n30000,40,\n25000,40\n", "monthly", 0, "\n25000,40,"},
        {"line break in a quoted cell", "salary,age\n\"300\n00\",40\n30000,40\n", "monthly", 1, "\n30000,40,"},
        {"old Mac line ends", "salary\r30000\r25000\r", "monthly", 0, "\n25000,"},
        {"semicolons, decimal comma", "salary;age\n1500,50;40\n", "daily", 0, ",390130,"},
        {"tabs", "salary\tage\n30000\t40\n", "monthly", 0, "\n30000,40,"},
        {"named twice", "salary,Salary\n1,2\n", "monthly", 2, "'salary' is named twice"},
        {"payslip twice", "salary,payslip-paye,payslip-paye\n1,2,3\n", "monthly", 2, "'payslip-paye' is named twice"},
        {"not an annual option", "members\n1\n", "annual", 2, "is not an option of paye annual"},
    };
    for (const CsvCase& c : cases) {
        const InputFile payroll(c.Text);
        const CliRun run = RunCli(std::string("paye ") + c.Kind + " --csv " + payroll.Path() + kSetup);
        EXPECT_EQ(run.ExitCode, c.Status) << c.Name << ": " << run.Err;
        EXPECT_NE((c.Status == 2 ? run.Err : run.Out).find(c.Said), std::string::npos)
            << c.Name << ": " << run.Out << run.Err;
    }
    const InputFile broken("salary,age\n\"300\n00\",40\n30000,40\n");
    EXPECT_EQ(RunCli("paye monthly --csv " + broken.Path()).Err.find("line 2:"), 14u) << "the record's first line";
}

}  // namespace
}  // namespace kelvara::testing

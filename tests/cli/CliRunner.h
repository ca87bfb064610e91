#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace kelvara::testing {

struct CliRun {
    int ExitCode;
    std::string Out;
    std::string Err;
};

// The whole of a file, as bytes; empty when it cannot be read.
std::string ReadAll(const std::filesystem::path& path);

// Runs kelvara-calc from the build's program folder with the given arguments
// (a shell-quoted string) and collects what it printed.
CliRun RunCli(const std::string& arguments);

// Runs a copy of kelvara-calc placed in folder, so that it uses the databases
// beside it there.
CliRun RunCliFrom(const std::filesystem::path& folder, const std::string& arguments);

// An input file (JSON, CSV) with the given text, removed when it goes out of scope.
class InputFile {
public:
    explicit InputFile(const std::string& text);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

// One run of kelvara-calc and what it must print. "{input}" in the command or
// an expected text stands for a file holding Input. Status 2 is a command-line
// mistake: nothing on standard output. Whenever the status is 2 or Err is
// given, standard error holds exactly one short line without raw escapes.
//
// Figures are checked in the JSON on standard output: "path=value" holds the
// value (JSON, or else a string) at a path of keys and indexes
// ("vehicles/0/DaysOfUse"); "path=value~tolerance" a number within the
// tolerance; "!path" holds nothing there.
struct CliCase {
    std::string Command;
    int Status = 0;
    std::vector<std::string> Figures = {};
    std::vector<std::string> Out = {};     // texts standard output holds
    std::vector<std::string> NotOut = {};  // texts it must not hold
    std::vector<std::string> Err = {};     // texts of the line on standard error
    std::string Input = {};
    std::string Name = {};  // the test's name where the command says too little
};

// A case is shown by its command.
void PrintTo(const CliCase& c, std::ostream* out);

// A result, status 0, with its figures.
CliCase Gives(const std::string& command, std::vector<std::string> figures);
// Status 0, with texts standard output holds and texts it must not hold.
CliCase Shows(const std::string& command, std::vector<std::string> out, std::vector<std::string> notOut = {});
// A calculator's refusal as its window gives it: status 1, its title and message.
CliCase Refusal(const std::string& command, const std::string& title, const std::string& message);
// A command-line mistake whose message says each of the texts.
CliCase Mistake(const std::string& command, std::vector<std::string> said = {});
// The case run with a file holding input, under the given test name.
CliCase OnInput(const std::string& input, const std::string& name, CliCase c);

// "path=value" of a number, in the shortest text that reads back the same.
std::string Figure(const std::string& path, double value);

// Runs the case and checks what it printed.
void ExpectCase(const CliCase& c);

// Each row of a table of CliCases is a test of its own, named after its
// command: INSTANTIATE_TEST_SUITE_P(Name, CliCases, ValuesIn(rows), CliCaseName).
class CliCases : public ::testing::TestWithParam<CliCase> {};
std::string CliCaseName(const ::testing::TestParamInfo<CliCase>& info);

}  // namespace kelvara::testing

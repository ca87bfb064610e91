#pragma once
#include <initializer_list>
#include <string>

namespace kelvara::testing {

struct CliRun {
    int ExitCode;
    std::string Out;
    std::string Err;
};

// Runs kelvara-calc from the build's program folder with the given arguments
// (a shell-quoted string) and collects what it printed.
CliRun RunCli(const std::string& arguments);

// Runs each command line and expects it refused as a command-line mistake:
// status 2, nothing on standard output and one line on standard error.
void ExpectMistakes(std::initializer_list<const char*> commandLines);

}  // namespace kelvara::testing

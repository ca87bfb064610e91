#pragma once
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

}  // namespace kelvara::testing

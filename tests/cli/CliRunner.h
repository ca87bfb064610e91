#pragma once
#include <filesystem>
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

// Runs each command line and expects it refused as a command-line mistake:
// status 2, nothing on standard output and one line on standard error.
void ExpectMistakes(std::initializer_list<const char*> commandLines);

}  // namespace kelvara::testing

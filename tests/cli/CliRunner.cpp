#include "CliRunner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvara::testing {

namespace {
std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::filesystem::path BuiltFolder() {
    const char* dir = std::getenv("KV_RUNTIME_DIR");
    return dir ? dir : ".";
}

CliRun Run(const std::filesystem::path& program, const std::string& arguments) {
    const auto errPath = std::filesystem::temp_directory_path() / ("kv-cli-err-" + std::to_string(::getpid()));
    const std::string command = program.string() + " " + arguments + " 2>" + errPath.string();
    CliRun run{-1, {}, {}};
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.Out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    run.Err = ReadAll(errPath);
    std::filesystem::remove(errPath);
    return run;
}

}  // namespace

CliRun RunCli(const std::string& arguments) { return Run(BuiltFolder() / "kelvara-calc", arguments); }

CliRun RunCliFrom(const std::filesystem::path& folder, const std::string& arguments) {
    const std::filesystem::path program = folder / "kelvara-calc";
    if (!std::filesystem::exists(program)) std::filesystem::copy_file(BuiltFolder() / "kelvara-calc", program);
    return Run(program, arguments);
}

InputFile::InputFile(const std::string& text) {
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("kv-cli-input-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
    std::ofstream(path_, std::ios::binary) << text;
}

InputFile::~InputFile() { std::filesystem::remove(path_); }

void ExpectMistakes(std::initializer_list<const char*> commandLines) {
    for (const char* arguments : commandLines) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, 2) << arguments;
        EXPECT_TRUE(run.Out.empty()) << arguments << ": " << run.Out;
        EXPECT_FALSE(run.Err.empty()) << arguments;
        EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << arguments << ": " << run.Err;
    }
}

}  // namespace kelvara::testing

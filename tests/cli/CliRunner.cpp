#include "CliRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

namespace kelvara::testing {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

namespace {

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

void ExpectFigures(const std::string& jsonText, const std::vector<std::string>& figures) {
    const nlohmann::json result = nlohmann::json::parse(jsonText, nullptr, false);
    ASSERT_FALSE(result.is_discarded()) << "not JSON:\n" << jsonText;
    for (const std::string& figure : figures) {
        const bool absent = figure.starts_with('!');
        const std::string path = absent ? figure.substr(1) : figure.substr(0, figure.find('='));
        const nlohmann::json::json_pointer at("/" + path);
        if (absent || !result.contains(at)) {
            EXPECT_EQ(result.contains(at), !absent) << figure << " in\n" << jsonText;
            continue;
        }
        const std::string text = figure.substr(path.size() + 1);
        const std::size_t tilde = text.rfind('~');
        const nlohmann::json near = nlohmann::json::parse(text.substr(0, tilde), nullptr, false);
        if (tilde != std::string::npos && near.is_number()) {
            EXPECT_NEAR(result.at(at).get<double>(), near.get<double>(), std::stod(text.substr(tilde + 1))) << figure;
            continue;
        }
        const nlohmann::json exact = nlohmann::json::parse(text, nullptr, false);
        EXPECT_EQ(result.at(at), exact.is_discarded() ? nlohmann::json(text) : exact) << figure;
    }
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

void PrintTo(const CliCase& c, std::ostream* out) { *out << c.Command; }

CliCase Gives(const std::string& command, std::vector<std::string> figures) {
    return {.Command = command, .Figures = std::move(figures)};
}

CliCase Shows(const std::string& command, std::vector<std::string> out, std::vector<std::string> notOut) {
    return {.Command = command, .Out = std::move(out), .NotOut = std::move(notOut)};
}

CliCase Refusal(const std::string& command, const std::string& title, const std::string& message) {
    return {
        .Command = command,
        .Status = 1,
        .Figures = {"error/title=" + nlohmann::json(title).dump(), "error/message=" + nlohmann::json(message).dump()}};
}

CliCase Mistake(const std::string& command, std::vector<std::string> said) {
    return {.Command = command, .Status = 2, .Err = std::move(said)};
}

CliCase OnInput(const std::string& input, const std::string& name, CliCase c) {
    c.Input = input;
    c.Name = name;
    return c;
}

std::string Figure(const std::string& path, double value) { return path + "=" + nlohmann::json(value).dump(); }

std::string CliCaseName(const ::testing::TestParamInfo<CliCase>& info) {
    std::string name = std::to_string(info.index) + "_";
    for (const char ch : info.param.Name.empty() ? info.param.Command : info.param.Name) {
        if (std::isalnum(static_cast<unsigned char>(ch)))
            name += ch;
        else if (name.back() != '_')
            name += '_';
    }
    return name.substr(0, std::min(name.find_last_not_of('_') + 1, std::size_t{60}));
}

void ExpectCase(const CliCase& c) {
    const std::unique_ptr<InputFile> input = c.Input.empty() ? nullptr : std::make_unique<InputFile>(c.Input);
    const auto withInput = [&](std::string text) {
        for (std::size_t at; input && (at = text.find("{input}")) != std::string::npos;)
            text.replace(at, 7, input->Path());
        return text;
    };
    const std::string command = withInput(c.Command);
    SCOPED_TRACE(command.substr(0, 300));
    const CliRun run = RunCli(command);

    EXPECT_EQ(run.ExitCode, c.Status) << run.Err;
    EXPECT_TRUE(c.Status != 2 || run.Out.empty()) << "a mistake printed " << run.Out;
    if (c.Status == 2 || !c.Err.empty()) {
        EXPECT_FALSE(run.Err.empty());
        EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err.substr(0, 300);
        EXPECT_LT(run.Err.size(), 300u);
        EXPECT_EQ(run.Err.find('\x1b'), std::string::npos);
    }
    for (const std::string& said : c.Err)
        EXPECT_NE(run.Err.find(withInput(said)), std::string::npos) << said << " in " << run.Err.substr(0, 300);
    for (const std::string& said : c.Out) EXPECT_NE(run.Out.find(withInput(said)), std::string::npos) << run.Out;
    for (const std::string& unsaid : c.NotOut) EXPECT_EQ(run.Out.find(unsaid), std::string::npos) << run.Out;
    if (!c.Figures.empty()) ExpectFigures(run.Out, c.Figures);
}

TEST_P(CliCases, PrintsWhatItShould) { ExpectCase(GetParam()); }

}  // namespace kelvara::testing

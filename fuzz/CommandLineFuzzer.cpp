// kelvara-calc's command line: one argument per line, then an empty line, then
// what standard input holds. Whatever the arguments, the tool exits 0, 1 or 2;
// a mistake (2) prints one line on standard error and nothing on standard
// output, and a result printed as JSON is valid JSON.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"

int KelvaraCalcMain(int argc, char** argv);

namespace {

// Swaps a standard stream's buffer for the length of one run.
class StreamSwap {
public:
    StreamSwap(std::ios& stream, std::streambuf* buffer) : stream_(stream), saved_(stream.rdbuf(buffer)) {}
    ~StreamSwap() { stream_.rdbuf(saved_); }
    StreamSwap(const StreamSwap&) = delete;
    StreamSwap& operator=(const StreamSwap&) = delete;

private:
    std::ios& stream_;
    std::streambuf* saved_;
};

// Arguments that could name a device or a special file (a never-ending
// /dev/zero as --input) are left out: the fuzzer is after the parser, not the
// file system. So is the payroll batch, which ends the process itself once
// its CSV is written; the csv-batch fuzzer covers it.
bool LeftOut(const std::string& argument) {
    if (argument.starts_with("--csv")) return true;
    for (const char* word : {"dev", "proc", "sys", "run"})
        if (argument.find(word) != std::string::npos) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto blank = input.find("\n\n");
    const std::string head = input.substr(0, blank);
    const std::string standardInput = blank == std::string::npos ? std::string() : input.substr(blank + 2);

    std::vector<std::string> arguments{"kelvara-calc"};
    std::istringstream lines(head);
    for (std::string line; std::getline(lines, line);) {
        if (LeftOut(line) || arguments.size() > 40) return 0;
        arguments.push_back(line);
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    std::ostringstream out, err;
    std::istringstream in(standardInput);
    int status;
    {
        const StreamSwap swapOut(std::cout, out.rdbuf());
        const StreamSwap swapErr(std::cerr, err.rdbuf());
        const StreamSwap swapIn(std::cin, in.rdbuf());
        status = KelvaraCalcMain(static_cast<int>(arguments.size()), argv.data());
    }

    const std::string printed = out.str();
    const std::string complaint = err.str();
    KV_FUZZ_CHECK(status == 0 || status == 1 || status == 2, head);
    if (status == 2) {
        KV_FUZZ_CHECK(printed.empty(), head);
        KV_FUZZ_CHECK(std::count(complaint.begin(), complaint.end(), '\n') == 1, head + "\n" + complaint);
    }
    if (!printed.empty() && printed.front() == '{') {
        KV_FUZZ_CHECK(nlohmann::json::accept(printed), head + "\n" + printed);
    }
    return 0;
}

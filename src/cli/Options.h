#pragma once
#include <CLI/CLI.hpp>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>

namespace kelvara::cli {

// A command-line mistake: the tool prints the message on one line of standard
// error and exits with status 2, printing nothing on standard output.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The numeric options of one command, each bounded like the window field that
// takes the same value. Options are taken as text and read strictly after the
// command line is parsed, so that every refusal names the option, the value
// and the accepted range.
class NumberOptions {
public:
    explicit NumberOptions(CLI::App& command) : command_(command) {}

    // An amount between min and max (no bounds: any finite amount).
    double& Amount(const std::string& name, std::optional<double> min, std::optional<double> max,
                   double initial, const std::string& what);

    // A whole number between min and max.
    long long& Whole(const std::string& name, long long min, long long max, long long initial,
                     const std::string& what);

    // Reads every option that was given; throws UsageError for the first bad one.
    void Read();

private:
    struct Option {
        std::string Name;
        std::optional<double> Min;
        std::optional<double> Max;
        bool IsWhole;
        std::string Text;
        double Amount;
        long long Count;
    };

    Option& Add(Option option, const std::string& what);

    CLI::App& command_;
    std::deque<Option> options_;  // stable addresses for the values handed out
};

}  // namespace kelvara::cli

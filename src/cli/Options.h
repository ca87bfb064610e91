#pragma once
#include <CLI/CLI.hpp>
#include <deque>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "DayNumber.h"

namespace kelvara::cli {

// A command-line mistake: the tool prints the message on one line of standard
// error and exits with status 2, printing nothing on standard output.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Opens the file that an option names for reading; throws UsageError naming
// the option and the file when it is a folder or cannot be opened.
void OpenInputFile(std::ifstream& file, const std::string& option, const std::string& path);

// The numeric options of one command, each bounded like the window field that
// takes the same value. Options are taken as text and read strictly after the
// command line is parsed, so that every refusal names the option, the value
// and the accepted range.
class NumberOptions {
public:
    explicit NumberOptions(CLI::App& command) : command_(command) {}

    // What the help says of an option's default in place of its initial value.
    static constexpr const char* StoredSetting = "default: the stored setting";
    static constexpr const char* Required = "required";

    // An amount between min and max (no bounds: any finite amount).
    double& Amount(const std::string& name, std::optional<double> min, std::optional<double> max, double initial,
                   const std::string& what, const char* shownDefault = nullptr);

    // A whole number between min and max.
    long long& Whole(const std::string& name, long long min, long long max, long long initial, const std::string& what,
                     const char* shownDefault = nullptr);

    // Up to maxCount amounts separated by commas, each between min and max.
    std::vector<double>& AmountList(const std::string& name, std::size_t maxCount, double min, double max,
                                    const std::string& what);

    // A yes/no choice: "yes"/"no", "1"/"0" or "true"/"false".
    bool& YesNo(const std::string& name, bool initial, const std::string& what, const char* shownDefault = nullptr);

    // Whether the option was given on the command line.
    bool Given(const std::string& name) const;

    // A date typed dd/mm/yyyy or yyyy-mm-dd, between min and max (day numbers).
    DayNumber& Date(const std::string& name, DayNumber min, DayNumber max, DayNumber initial, const std::string& what,
                    const char* shownDefault = nullptr);

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

    struct ListOption {
        std::string Name;
        std::size_t MaxCount;
        double Min;
        double Max;
        std::string Text;
        std::vector<double> Values;
    };

    struct FlagOption {
        std::string Name;
        std::string Text;
        bool Value;
    };

    struct DateOption {
        std::string Name;
        DayNumber Min;
        DayNumber Max;
        std::string Text;
        DayNumber Day;
    };

    Option& Add(Option option, const std::string& what, const char* shownDefault);
    void ReadList(ListOption& option) const;
    void ReadFlag(FlagOption& option) const;
    void ReadDate(DateOption& option) const;

    CLI::App& command_;
    std::deque<Option> options_;  // stable addresses for the values handed out
    std::deque<ListOption> lists_;
    std::deque<FlagOption> flags_;
    std::deque<DateOption> dates_;
};

}  // namespace kelvara::cli

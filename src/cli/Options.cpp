#include "Options.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "NumberFormat.h"
#include "StrictNumber.h"
#include "UserText.h"

namespace kelvara::cli {

namespace {

std::string Bound(double value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : "?";
}

std::string RangeText(const std::optional<double>& min, const std::optional<double>& max) {
    if (!min && !max) return "any amount";
    if (!max) return "from " + Bound(*min);
    if (!min) return "up to " + Bound(*max);
    return Bound(*min) + " to " + Bound(*max);
}

}  // namespace

void OpenInputFile(std::ifstream& file, const std::string& option, const std::string& path) {
    const std::string said = option + " '" + Quote(path) + "'";
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) throw UsageError(said + " is a folder, not a file");
    file.open(path, std::ios::binary);
    if (!file) throw UsageError(said + " cannot be opened: " + std::strerror(errno));
}

NumberOptions::Option& NumberOptions::Add(Option option, const std::string& what, const char* shownDefault) {
    Option& added = options_.emplace_back(std::move(option));
    const std::string initial = added.IsWhole ? std::to_string(added.Count) : Bound(added.Amount);
    const std::string description =
        what + " (" + RangeText(added.Min, added.Max) + "; " + (shownDefault ? shownDefault : "default " + initial);
    command_.add_option("--" + added.Name, added.Text, description + ")")
        ->type_name(added.IsWhole ? "WHOLE" : "AMOUNT");
    return added;
}

double& NumberOptions::Amount(const std::string& name, std::optional<double> min, std::optional<double> max,
                              double initial, const std::string& what, const char* shownDefault) {
    return Add({name, min, max, false, {}, initial, 0}, what, shownDefault).Amount;
}

long long& NumberOptions::Whole(const std::string& name, long long min, long long max, long long initial,
                                const std::string& what, const char* shownDefault) {
    return Add({name, static_cast<double>(min), static_cast<double>(max), true, {}, 0, initial}, what, shownDefault)
        .Count;
}

std::vector<double>& NumberOptions::AmountList(const std::string& name, std::size_t maxCount, double min, double max,
                                               const std::string& what) {
    ListOption& added = lists_.emplace_back(ListOption{name, maxCount, min, max, {}, {}});
    command_
        .add_option("--" + added.Name, added.Text,
                    what + " (up to " + std::to_string(maxCount) + " comma-separated, each " + RangeText(min, max) +
                        "; default none)")
        ->type_name("LIST");
    return added.Values;
}

bool& NumberOptions::YesNo(const std::string& name, bool initial, const std::string& what, const char* shownDefault) {
    FlagOption& added = flags_.emplace_back(FlagOption{name, {}, initial});
    const std::string said = shownDefault ? shownDefault : std::string("default ") + (initial ? "yes" : "no");
    command_.add_option("--" + added.Name, added.Text, what + " (yes or no; " + said + ")")->type_name("YES/NO");
    return added.Value;
}

bool NumberOptions::Given(const std::string& name) const { return command_.count("--" + name) > 0; }

void NumberOptions::ReadList(ListOption& option) const {
    const std::string range = RangeText(option.Min, option.Max);
    const std::string said = "--" + option.Name + " '" + Quote(option.Text) + "'";
    option.Values.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = option.Text.find(',', start);
        const std::string item = option.Text.substr(start, comma - start);
        const std::optional<double> value = StrictNumber(item);
        if (!value)
            throw UsageError(said + " holds '" + Quote(item) + "', which is not a number (accepted: each " + range +
                             ")");
        if (*value < option.Min || *value > option.Max) {
            throw UsageError(said + " holds " + Quote(item) + ", which is out of range (accepted: each " + range + ")");
        }
        option.Values.push_back(*value);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (option.Values.size() > option.MaxCount) {
        throw UsageError(said + " has too many values (accepted: up to " + std::to_string(option.MaxCount) + ")");
    }
}

void NumberOptions::ReadFlag(FlagOption& option) const {
    const std::string& text = option.Text;
    if (text == "yes" || text == "1" || text == "true") {
        option.Value = true;
    } else if (text == "no" || text == "0" || text == "false") {
        option.Value = false;
    } else {
        throw UsageError("--" + option.Name + " '" + Quote(text) +
                         "' is not yes or no (accepted: yes/no, 1/0, true/false)");
    }
}

DayNumber& NumberOptions::Date(const std::string& name, DayNumber min, DayNumber max, DayNumber initial,
                               const std::string& what, const char* shownDefault) {
    DateOption& added = dates_.emplace_back(DateOption{name, min, max, {}, initial});
    const std::string said = shownDefault ? shownDefault : "default " + FormatDate(initial);
    command_
        .add_option("--" + name, added.Text,
                    what + " (" + FormatDate(min) + " to " + FormatDate(max) + "; " + said + ")")
        ->type_name("DATE");
    return added.Day;
}

void NumberOptions::ReadDate(DateOption& option) const {
    const std::string range = FormatDate(option.Min) + " to " + FormatDate(option.Max);
    const std::string said = "--" + option.Name + " '" + Quote(option.Text) + "'";
    const std::optional<DayNumber> day = ParseDate(option.Text);
    if (!day) throw UsageError(said + " is not a date dd/mm/yyyy (accepted: " + range + ")");
    if (*day < option.Min || *day > option.Max) throw UsageError(said + " is out of range (accepted: " + range + ")");
    option.Day = *day;
}

void NumberOptions::Read() {
    for (DateOption& option : dates_) {
        if (Given(option.Name)) ReadDate(option);
    }
    for (ListOption& option : lists_) {
        if (Given(option.Name)) ReadList(option);
    }
    for (FlagOption& option : flags_) {
        if (Given(option.Name)) ReadFlag(option);
    }
    for (Option& option : options_) {
        if (command_.count("--" + option.Name) == 0) continue;
        const std::string range = RangeText(option.Min, option.Max);
        const std::string said = "--" + option.Name + " '" + Quote(option.Text) + "'";
        const std::optional<double> value = StrictNumber(option.Text);
        if (!value) throw UsageError(said + " is not a number (accepted: " + range + ")");
        if (option.IsWhole && std::floor(*value) != *value) {
            throw UsageError(said + " is not a whole number (accepted: " + range + ")");
        }
        if ((option.Min && *value < *option.Min) || (option.Max && *value > *option.Max)) {
            throw UsageError(said + " is out of range (accepted: " + range + ")");
        }
        if (option.IsWhole) {
            option.Count = static_cast<long long>(*value);
        } else {
            option.Amount = *value;
        }
    }
}

}  // namespace kelvara::cli

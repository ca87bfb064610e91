#include "Options.h"

#include <charconv>
#include <cmath>

#include "NumberFormat.h"

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

// The whole text as one finite number, or nothing.
std::optional<double> StrictNumber(std::string text) {
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

NumberOptions::Option& NumberOptions::Add(Option option, const std::string& what) {
    Option& added = options_.emplace_back(std::move(option));
    std::string description = what + " (" + RangeText(added.Min, added.Max) + "; default ";
    description += added.IsWhole ? std::to_string(added.Count) : Bound(added.Amount);
    command_.add_option("--" + added.Name, added.Text, description + ")")
        ->type_name(added.IsWhole ? "WHOLE" : "AMOUNT");
    return added;
}

double& NumberOptions::Amount(const std::string& name, std::optional<double> min, std::optional<double> max,
                              double initial, const std::string& what) {
    return Add({name, min, max, false, {}, initial, 0}, what).Amount;
}

long long& NumberOptions::Whole(const std::string& name, long long min, long long max, long long initial,
                                const std::string& what) {
    return Add({name, static_cast<double>(min), static_cast<double>(max), true, {}, 0, initial}, what).Count;
}

void NumberOptions::Read() {
    for (Option& option : options_) {
        if (command_.count("--" + option.Name) == 0) continue;
        const std::string range = RangeText(option.Min, option.Max);
        const std::string said = "--" + option.Name + " '" + option.Text + "'";
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

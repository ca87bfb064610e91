#pragma once
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace kelvara::cli {

// The named figures a command prints, in the order it prints them: amounts are
// doubles, whole counts integers, flags booleans, dates texts; lists of rows
// are arrays of objects.
using Result = nlohmann::ordered_json;

// One JSON object on one line: numbers as the shortest text that reads back to
// the same double, counts as integers, flags as true/false.
std::string ToJson(const Result& result);

// The answer to a refusal that a window would show as a message box.
Result ErrorResult(const std::string& title, const std::string& message);

// The key of the first figure that is not a finite number (infinite or NaN),
// or nothing. No such figure is ever printed as a result.
std::optional<std::string> NonFiniteFigure(const Result& result);

// The refusal that takes the place of a result holding such a figure.
Result TooLargeResult(const std::string& key);

}  // namespace kelvara::cli

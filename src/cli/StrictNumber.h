#pragma once
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace kelvara::cli {

// The whole text as one finite number (a leading "+" allowed), or nothing:
// how the command line and the payroll batch read every number they are given.
inline std::optional<double> StrictNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace kelvara::cli

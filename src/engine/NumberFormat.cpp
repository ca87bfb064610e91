#include "NumberFormat.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Rounding.h"

namespace kelvara {

std::string FormatNumber(double value, int decimals, int minIntegerDigits, bool grouped) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
    const double rounded = RoundHalfEven(value, decimals);
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(rounded));
    std::string digits = text;
    const auto point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point);

    whole.erase(0, whole.find_first_not_of('0'));
    while (static_cast<int>(whole.size()) < minIntegerDigits) whole.insert(whole.begin(), '0');
    if (grouped) {
        for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(i, " ");
    }
    const bool negative = rounded < 0 && (whole.find_first_not_of("0 ") != std::string::npos ||
                                          fraction.find_first_not_of(".0") != std::string::npos);
    return (negative ? "-" : "") + whole + fraction;
}

std::string FormatPattern(double value, std::string_view pattern) {
    const auto lastPlace = pattern.find_last_of("0#");
    if (lastPlace == std::string_view::npos) return std::string(pattern);
    const std::string_view number = pattern.substr(0, lastPlace + 1);
    const std::string_view literal = pattern.substr(lastPlace + 1);

    const auto point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(number.size() - point - 1);
    int minIntegerDigits = 0;
    for (char c : whole) minIntegerDigits += c == '0';
    const bool grouped = whole.find(' ') != std::string_view::npos;

    return FormatNumber(value, decimals, minIntegerDigits, grouped) + std::string(literal);
}

double LeadingNumber(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ') compact += c;
    }
    std::size_t end = 0;
    if (end < compact.size() && (compact[end] == '-' || compact[end] == '+')) ++end;
    bool digits = false;
    while (end < compact.size() && std::isdigit(static_cast<unsigned char>(compact[end]))) ++end, digits = true;
    if (end < compact.size() && compact[end] == '.') {
        ++end;
        while (end < compact.size() && std::isdigit(static_cast<unsigned char>(compact[end]))) ++end, digits = true;
    }
    if (!digits) return 0;
    return std::strtod(compact.substr(0, end).c_str(), nullptr);
}

}  // namespace kelvara

#include "Rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kelvara {

namespace {

// The value written with the given number of decimals. The C library rounds
// the exact binary value, a tie (only possible when the value is exactly
// representable, as 2.5 or 0.125 are) going to the even digit.
double Written(double value, int decimals) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return std::strtod(text, nullptr);
}

}  // namespace

double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value) || decimals < 0 || decimals > 20) return value;
    return Written(value, decimals);
}

double IntPart(double value) { return std::floor(value); }

double TruncateTo(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    // The scaled value is read back from its 15 significant digits, so that a
    // product such as 0.29 × 100 = 28.999999999999996 still counts 29 cents.
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value * std::pow(10.0, decimals));
    return std::floor(std::strtod(text, nullptr)) / std::pow(10.0, decimals);
}

std::optional<std::int16_t> ToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < INT16_MIN || rounded > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace kelvara

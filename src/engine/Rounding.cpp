#include "Rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kelvara {

namespace {

// value × 10^decimals, corrected to the decimal the double was written as: a
// product such as 0.285 × 100 = 28.499999999999996 is read back as 28.5.
double Scaled(double value, int decimals) {
    const double scaled = value * std::pow(10.0, decimals);
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", scaled);
    return std::strtod(text, nullptr);
}

}  // namespace

double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    const double scaled = Scaled(value, decimals);
    const double rounded = std::nearbyint(scaled);  // default mode: half to even
    return rounded / std::pow(10.0, decimals);
}

double IntPart(double value) { return std::floor(value); }

double TruncateTo(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    return std::floor(Scaled(value, decimals)) / std::pow(10.0, decimals);
}

std::optional<std::int16_t> ToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < INT16_MIN || rounded > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace kelvara

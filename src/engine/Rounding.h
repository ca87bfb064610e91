#pragma once
#include <cstdint>
#include <optional>

namespace kelvara {

// Rounds to the given number of decimals, a half going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, 0.125 at two decimals -> 0.12). The exact value of the
// double decides: 18224.025 is held as 18224.02500000000146 and shows 18224.03,
// 0.285 is held as 0.28499999999999998 and shows 0.28.
double RoundHalfEven(double value, int decimals = 0);

// The integer part towards minus infinity (-2.5 -> -3), as "taking the integer
// part" and "truncating" do throughout the calculators.
double IntPart(double value);

// Truncates to a number of decimals towards minus infinity (cents: decimals 2).
double TruncateTo(double value, int decimals);

// A 16-bit signed value as ages and counts are held: the value rounded half to
// even, or nothing when it does not fit in 16 bits.
std::optional<std::int16_t> ToInt16(double value);

// Whether a whole number fits in a 16-bit signed integer.
constexpr bool FitsInt16(long long value) { return value >= INT16_MIN && value <= INT16_MAX; }

// A value held in single precision and widened back to double.
inline double AsSingle(double value) { return static_cast<double>(static_cast<float>(value)); }

}  // namespace kelvara

#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "FieldBounds.h"
#include "NumberFormat.h"

namespace kelvara::testing {

// Reproducible random inputs for the property tests. Every value drawn is
// noted, so that Trace() names the seed, the case and the inputs of a failure.
class RandomInputs {
public:
    explicit RandomInputs(std::uint64_t seed) : seed_(seed), engine_(seed) { drawn_.precision(15); }

    // Starts the inputs of the next case.
    void NextCase() {
        ++case_;
        drawn_.str("");
    }

    // A value an entry field with these decimals and limits accepts. A quarter
    // of the values are edges (the limits, 0, a step inside either limit), a
    // third have a random number of digits, so that small amounts come up as
    // often as large ones, and the rest are uniform over the range.
    double Field(std::string_view name, double min, double max, int decimals) {
        const double step = std::pow(10.0, -decimals);
        double value = 0;
        const double kind = Uniform(0, 1);
        if (kind < 0.25) {
            const double edges[] = {min, max, 0, min + step, max - step};
            value = edges[Below(5)];
        } else if (const double largest = std::max(std::fabs(min), std::fabs(max)); kind < 0.6 && largest >= step) {
            const double magnitude = std::pow(10.0, Uniform(-decimals, std::log10(largest)));
            value = min < 0 && Flag() ? -magnitude : magnitude;
        } else {
            value = Uniform(min, max);
        }
        value = std::clamp(std::round(value / step) * step, min, max);
        drawn_ << ' ' << name << '=' << value;
        return value;
    }

    // The same for what an entry field accepts.
    double Field(std::string_view name, const FieldBounds& bounds) {
        return Field(name, bounds.Min, bounds.Max, bounds.Decimals);
    }

    // The same for a named row of a bounds table.
    double Field(const NamedFieldBounds& row) { return Field(row.Field, row.Bounds); }

    // One of the values, noted under the name.
    template <class T>
    T OneOf(std::string_view name, std::initializer_list<T> values) {
        const T value = values.begin()[Below(static_cast<int>(values.size()))];
        drawn_ << ' ' << name << '=' << value;
        return value;
    }

    bool Flag(std::string_view name) { return OneOf(name, {false, true}); }

    // A whole number from low to high, noted under the name.
    long Between(std::string_view name, long low, long high) {
        const long value = std::uniform_int_distribution<long>(low, high)(engine_);
        drawn_ << ' ' << name << '=' << value;
        return value;
    }

    // Draws that choose a path rather than an input, not noted.
    bool Flag() { return Below(2) == 1; }
    bool Chance(double p) { return Uniform(0, 1) < p; }

    std::string Trace() const {
        std::ostringstream out;
        out << "seed " << seed_ << ", case " << case_ << ":" << drawn_.str();
        return out.str();
    }

private:
    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine_); }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

    std::uint64_t seed_;
    std::mt19937_64 engine_;
    int case_ = 0;
    std::ostringstream drawn_;
};

// A figure a window shows: finite, and formatted as digits.
inline ::testing::AssertionResult ShowsAsNumber(double value, int decimals = 2) {
    const std::string text = FormatNumber(value, decimals);
    if (std::isfinite(value) && text.find_first_not_of("0123456789 .-") == std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << value << " shows as \"" << text << "\"";
}

struct Figure {
    const char* Name;
    double Value;
    int Decimals = 2;
};

inline void ExpectShown(std::initializer_list<Figure> figures) {
    for (const Figure& figure : figures) EXPECT_TRUE(ShowsAsNumber(figure.Value, figure.Decimals)) << figure.Name;
}

}  // namespace kelvara::testing

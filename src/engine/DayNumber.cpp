#include "DayNumber.h"

#include <charconv>
#include <cstdio>

namespace kelvara {

namespace {

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's algorithm).
long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return {y, m, d};
}

// 30/12/1899 counted from 1970-01-01.
const long kEpochOffset = DaysFromCivil(1899, 12, 30);

// Reads a whole run of digits; nothing when the text is empty or not all digits.
std::optional<int> Digits(std::string_view text, std::size_t maxLength) {
    if (text.empty() || text.size() > maxLength) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<DayNumber> Checked(std::optional<int> y, std::optional<int> m, std::optional<int> d) {
    if (!y || !m || !d || !IsValidDate(*y, *m, *d)) return std::nullopt;
    return ToDayNumber({*y, *m, *d});
}

}  // namespace

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

DayNumber ToDayNumber(const CivilDate& date) { return DaysFromCivil(date.Year, date.Month, date.Day) - kEpochOffset; }

CivilDate FromDayNumber(DayNumber day) { return CivilFromDays(day + kEpochOffset); }

std::string FormatDate(DayNumber day) {
    const CivilDate d = FromDayNumber(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.Day, d.Month, d.Year);
    return text;
}

std::optional<DayNumber> ParseDate(std::string_view text) {
    const auto first = text.find_first_of("/-");
    if (first == std::string_view::npos) return std::nullopt;
    const char sep = text[first];
    const auto second = text.find(sep, first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto a = text.substr(0, first);
    const auto b = text.substr(first + 1, second - first - 1);
    const auto c = text.substr(second + 1);
    if (sep == '/') return Checked(Digits(c, 4), Digits(b, 2), Digits(a, 2));
    if (a.size() != 4) return std::nullopt;
    return Checked(Digits(a, 4), Digits(b, 2), Digits(c, 2));
}

}  // namespace kelvara

// Dates typed into a field: whatever is read is a real date, and writing it
// as "dd/mm/yyyy" reads back to the same day.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "DayNumber.h"
#include "FuzzCheck.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const std::optional<DayNumber> day = ParseDate(text)) {
        const CivilDate date = FromDayNumber(*day);
        KV_FUZZ_CHECK(IsValidDate(date.Year, date.Month, date.Day), text);
        KV_FUZZ_CHECK(ToDayNumber(date) == *day, text);
        const std::string written = FormatDate(*day);
        KV_FUZZ_CHECK(written.size() == 10, written);
        KV_FUZZ_CHECK(ParseDate(written) == day, written);
        // The digits typed are the date's own: "1/3/2026" and "2026-03-01" both
        // name 01/03/2026.
        const bool isoOrder = text.find('-') < text.find('/');
        char expected[16];
        std::snprintf(expected, sizeof expected, isoOrder ? "%04d-%02d-%02d" : "%02d/%02d/%04d",
                      isoOrder ? date.Year : date.Day, date.Month, isoOrder ? date.Day : date.Year);
        const auto digits = [](std::string_view s) {
            std::string kept;
            for (char c : s)
                if (c != '0') kept += c;
            return kept;
        };
        KV_FUZZ_CHECK(digits(text) == digits(expected), text);
    }

    // Any day number of the range a 32-bit count covers converts both ways.
    if (size >= 4) {
        std::int32_t raw;
        std::memcpy(&raw, data, sizeof raw);
        const CivilDate date = FromDayNumber(raw);
        KV_FUZZ_CHECK(ToDayNumber(date) == raw, text);
        if (IsValidDate(date.Year, date.Month, date.Day))
            KV_FUZZ_CHECK(ParseDate(FormatDate(raw)) == DayNumber{raw}, FormatDate(raw));
    }
    return 0;
}

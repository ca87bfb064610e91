// A field's text read as a number, and the number shown again: reading never
// fails, and what is shown reads back to the same amount.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "NumberFormat.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks how the amount is shown, the rest is the field's text.
    const int decimals = data[0] & 7;
    const bool grouped = (data[0] & 8) != 0;
    const int minIntegerDigits = (data[0] >> 4) & 3;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const double value = LeadingNumber(text);
    KV_FUZZ_CHECK(!std::isnan(value), text);

    // Amounts a field can hold: shown and read again, then shown again, they
    // stay as they were, and the shown amount is the value to the decimals shown.
    if (std::fabs(value) < 1e15) {
        const std::string shown = FormatNumber(value, decimals, minIntegerDigits, grouped);
        const double reread = LeadingNumber(shown);
        KV_FUZZ_CHECK(FormatNumber(reread, decimals, minIntegerDigits, grouped) == shown, shown);
        const double tolerance = 0.5 * std::pow(10.0, -decimals) + 1e-12 * std::fabs(value);
        KV_FUZZ_CHECK(std::fabs(reread - value) <= tolerance, shown);
        KV_FUZZ_CHECK(shown.find_first_not_of("-0123456789. ") == std::string::npos, shown);
    }

    // The text as a display pattern: never more than the digits it can hold.
    if (text.size() <= 64) {
        const std::string patterned = FormatPattern(value, text);
        if (text.find_first_of("0#") == std::string_view::npos) KV_FUZZ_CHECK(patterned == text, text);
    }
    return 0;
}

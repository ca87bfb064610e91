#pragma once
#include <string>
#include <string_view>

namespace kelvara {

// Shows a number with "." as the decimal sign and, when grouped, a space
// between groups of three integer digits. The value is first rounded half to
// even to the decimals shown; minIntegerDigits pads with leading zeros (0 lets
// a value below 1 show as ".50").
std::string FormatNumber(double value, int decimals, int minIntegerDigits = 1, bool grouped = true);

// Shows a number by one of the display patterns of the windows and reports:
// "0" is a digit always shown, "#" a digit shown when significant, a space
// between digit places is the thousands separator, "." the decimal sign, and
// anything after the last digit place is copied as it stands. So "00" shows 1
// as "01", "##" shows 0 as "", "# ### ### ##0.00" shows 1234.5 as "1 234.50"
// and "# ### ### ###.00" shows 0.5 as ".50".
std::string FormatPattern(double value, std::string_view pattern);

// The amount a field's text stands for: its leading number with spaces ignored
// ("1 234.50abc" reads 1234.5); an empty text, or one without a leading number,
// reads as 0.
double LeadingNumber(std::string_view text);

}  // namespace kelvara

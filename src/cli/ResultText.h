#pragma once
#include <span>
#include <string>
#include <string_view>

#include "Result.h"

namespace kelvara::cli {

// What the text output calls one key of a command's result: the caption its
// window shows beside the figure. Items names the members of a list of plain
// values in order (the annual calculator's months); a list of rows takes the
// captions of its rows' keys from the same table.
struct Caption {
    std::string_view Key;
    std::string_view Text;
    std::span<const std::string_view> Items = {};
};

using Captions = std::span<const Caption>;

// The result as a clerk reads it: each figure on a line with its caption and,
// in brackets, its key; amounts with two decimals, "." as the decimal sign and
// a space between thousands, as the windows show them; all these lines aligned
// as one two-column table. A list of rows that fit on one line (a schedule, a
// comparison) prints as a table with a heading line of captions; wider rows (a
// company car's figures) print as one block of lines per row. A refusal
// prints its title and its message.
std::string ToText(const Result& result, Captions captions);

}  // namespace kelvara::cli

#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace kelvara::cli {

// Text that came from the user (an option, a CSV cell, a JSON key), made fit
// to repeat in a one-line message: control characters shown escaped ("\n",
// "\x1b"), bytes that are not UTF-8 shown as "\xNN", and cut after maxChars
// characters with "..." added.
std::string Quote(std::string_view text, std::size_t maxChars = 40);

// A whole message on one line, its control characters escaped, its length kept.
std::string OneLine(std::string_view text);

// The number of characters of a UTF-8 text (a byte that is not UTF-8 counts as one).
std::size_t CharacterCount(std::string_view text);

}  // namespace kelvara::cli

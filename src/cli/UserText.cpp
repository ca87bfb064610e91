#include "UserText.h"

#include <cstdio>

namespace kelvara::cli {

namespace {

// The length of the UTF-8 sequence that starts at text[at], or 0 when the
// bytes there are not one.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    return length;
}

std::string Escaped(unsigned char byte) {
    switch (byte) {
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        default: {
            char text[8];
            std::snprintf(text, sizeof text, "\\x%02x", byte);
            return text;
        }
    }
}

// Walks the text a character at a time, escaping what a terminal would act on
// (C0 and C1 controls, DEL) and any byte that is not UTF-8.
std::string Sanitised(std::string_view text, std::size_t maxChars) {
    std::string out;
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        if (count == maxChars) return out + "...";
        const std::size_t length = SequenceLength(text, at);
        const auto lead = static_cast<unsigned char>(text[at]);
        const bool c1 = length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
        if (length == 0 || lead < 0x20 || lead == 0x7F || c1) {
            out += Escaped(length == 0 || !c1 ? lead : static_cast<unsigned char>(text[at + 1]));
            at += c1 ? 2 : 1;
        } else {
            out.append(text.substr(at, length));
            at += length;
        }
    }
    return out;
}

}  // namespace

std::string Quote(std::string_view text, std::size_t maxChars) { return Sanitised(text, maxChars); }

std::string OneLine(std::string_view text) { return Sanitised(text, std::string_view::npos); }

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        const std::size_t length = SequenceLength(text, at);
        at += length == 0 ? 1 : length;
    }
    return count;
}

}  // namespace kelvara::cli

#include "Result.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace kelvara::cli {

namespace {

// The shortest text that reads back to the same double. Where that text is in
// exponent form (500000 is "5e+05"), the shortest plain decimal is printed
// instead as long as it stays readable: it reads back just as exactly.
std::string ShortestNumber(double value) {
    if (!std::isfinite(value)) return "null";  // JSON has no infinity
    if (value == 0) value = 0;                 // no "-0"
    char text[400];
    auto [end, error] = std::to_chars(text, text + sizeof text, value);
    if (error != std::errc()) return "null";
    if (std::string_view(text, end - text).find('e') != std::string_view::npos) {
        char plain[400];
        const auto fixed = std::to_chars(plain, plain + sizeof plain, value, std::chars_format::fixed);
        if (fixed.ec == std::errc() && fixed.ptr - plain <= 24) return std::string(plain, fixed.ptr);
    }
    return std::string(text, end);
}

void WriteJson(const Result& value, std::string& out) {
    if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            if (!first) out += ", ";
            first = false;
            out += Result(key).dump() + ": ";
            WriteJson(item, out);
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (i) out += ", ";
            WriteJson(value[i], out);
        }
        out += ']';
    } else if (value.is_number_float()) {
        out += ShortestNumber(value.get<double>());
    } else {
        out += value.dump();  // integers, flags, texts
    }
}

}  // namespace

std::string ToJson(const Result& result) {
    std::string out;
    WriteJson(result, out);
    return out + "\n";
}

std::optional<std::string> NonFiniteFigure(const Result& result) {
    for (const auto& [key, value] : result.items()) {
        if (value.is_structured()) {
            if (auto inner = NonFiniteFigure(value)) return inner;
        } else if (value.is_number_float() && !std::isfinite(value.get<double>())) {
            return key;
        }
    }
    return std::nullopt;
}

Result TooLargeResult(const std::string& key) {
    return ErrorResult("Result out of range",
                       "The figure " + key + " cannot be worked out for these amounts: it is too large.");
}

Result ErrorResult(const std::string& title, const std::string& message) {
    Result error = Result::object();
    error["error"]["title"] = title;
    error["error"]["message"] = message;
    return error;
}

}  // namespace kelvara::cli

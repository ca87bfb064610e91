#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kelvara {

// One value of a database field, held with the type the writer gives it: an
// amount or rate (double), an age or counter (16-bit), a day number or count
// (32-bit), a figure kept in single precision (float), a text, or a flag.
using FieldValue = std::variant<double, std::int16_t, std::int32_t, float, std::string, bool>;

// The fields of one record, by name, in the order they are written.
using FieldValues = std::vector<std::pair<std::string, FieldValue>>;

}  // namespace kelvara

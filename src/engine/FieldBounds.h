#pragma once
#include <algorithm>
#include <iterator>
#include <string_view>
#include <type_traits>

namespace kelvara {

// What one numeric entry field accepts: the decimals it holds, the integer
// digits it takes and its lowest and highest value. A window sets its field
// from it and kelvara-calc refuses the values outside it.
struct FieldBounds {
    int Decimals;
    int IntegerDigits;
    double Min;
    double Max;
};

// One row of a calculator's bounds table: which field, and what it accepts.
// The field is named by the calculator's own key (an enum or a name).
template <typename Key>
struct BoundedField {
    Key Field;
    FieldBounds Bounds;
};

// A row whose field is named by its control or record name.
using NamedFieldBounds = BoundedField<const char*>;

// The row of a bounds table for a field, or nullptr when the table has none.
template <typename Table, typename Key>
const auto* FindBounds(const Table& table, const Key& field) {
    const auto found = std::find_if(std::begin(table), std::end(table), [&field](const auto& row) {
        if constexpr (std::is_convertible_v<Key, std::string_view>)
            return std::string_view(row.Field) == std::string_view(field);
        else
            return row.Field == field;
    });
    return found == std::end(table) ? nullptr : &*found;
}

}  // namespace kelvara

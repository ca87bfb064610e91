#include "WholeNumberField.h"

#include <algorithm>
#include <limits>

namespace kelvara::ui {

namespace {

// Limits set wider than 32 bits must not turn a typed number into garbage.
qint32 ToInt32(double value) {
    using Limits = std::numeric_limits<qint32>;
    return static_cast<qint32>(std::clamp<double>(value, Limits::min(), Limits::max()));
}

}  // namespace

WholeNumberField::WholeNumberField(QWidget* parent)
    : NumericField(0, 10, 0, std::numeric_limits<qint32>::max(), parent) {}

qint32 WholeNumberField::value() const { return ToInt32(number()); }

void WholeNumberField::announce(double value) { emit valueChanged(ToInt32(value)); }

}  // namespace kelvara::ui

#include "DecimalField.h"

namespace kelvara::ui {

DecimalField::DecimalField(QWidget* parent) : NumericField(2, 10, 0, 9999999999.99, parent) {}

void DecimalField::announce(double value) { emit valueChanged(value); }

}  // namespace kelvara::ui

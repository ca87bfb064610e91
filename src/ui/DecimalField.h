#pragma once
#include "NumericField.h"

namespace kelvara::ui {

// A numeric entry field holding a double: amounts, rates, percentages.
// By default it shows two decimals and takes 0 up to ten integer digits.
class DecimalField : public NumericField {
    Q_OBJECT

public:
    explicit DecimalField(QWidget* parent = nullptr);

    double value() const { return number(); }
    void setValue(double value) { setNumber(value); }

    using NumericField::setDecimals;

signals:
    void valueChanged(double value);

protected:
    void announce(double value) override;
};

}  // namespace kelvara::ui

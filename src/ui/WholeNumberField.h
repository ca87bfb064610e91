#pragma once
#include <QtGlobal>

#include "NumericField.h"

namespace kelvara::ui {

// A numeric entry field holding a 32-bit whole number: ages, counts, periods.
// It shows no decimals and takes 0 up to the largest 32-bit number unless
// given other limits.
class WholeNumberField : public NumericField {
    Q_OBJECT

public:
    explicit WholeNumberField(QWidget* parent = nullptr);

    qint32 value() const;
    void setValue(qint32 value) { setNumber(value); }

signals:
    void valueChanged(qint32 value);

protected:
    void announce(double value) override;
};

}  // namespace kelvara::ui

#include "NumericField.h"

#include <QFontDatabase>

#include "NumberFormat.h"
#include "NumericEntryValidator.h"

namespace kelvara::ui {

NumericField::NumericField(int decimals, int integerDigits, double minimum, double maximum, QWidget* parent)
    : EntryField(parent),
      decimals_(decimals),
      integerDigits_(integerDigits),
      minimum_(minimum),
      maximum_(maximum),
      validator_(new NumericEntryValidator(this)) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(validator_);
    updateValidator();
    display();
    connect(this, &QLineEdit::textEdited, this, &NumericField::takeEdit);
}

void NumericField::setDecimals(int decimals) {
    decimals_ = decimals;
    updateValidator();
    display();
}

void NumericField::setIntegerDigits(int digits) {
    integerDigits_ = digits;
    updateValidator();
}

void NumericField::setMinimum(double minimum) {
    minimum_ = minimum;
    updateValidator();
}

void NumericField::setMaximum(double maximum) { maximum_ = maximum; }

void NumericField::setRange(double minimum, double maximum) {
    setMinimum(minimum);
    setMaximum(maximum);
}

void NumericField::setFixedPitch(bool fixed) {
    setFont(fixed ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont());
}

void NumericField::setNumber(double value) {
    accepted_ = value;
    change(value);
    display();
}

void NumericField::commit() {
    if (!isModified()) return;
    setModified(false);
    const double entered = LeadingNumber(text().toStdString());
    if (!withinLimits(entered)) {
        change(accepted_);
        display();
        emit rangeError(entered);
        return;
    }
    setNumber(entered);
}

void NumericField::takeEdit(const QString& text) {
    const double entered = LeadingNumber(text.toStdString());
    if (withinLimits(entered)) change(entered);
}

void NumericField::change(double value) {
    if (value == value_) return;
    value_ = value;
    announce(value);
}

void NumericField::display() { setText(QString::fromStdString(FormatNumber(value_, decimals_))); }

bool NumericField::withinLimits(double value) const { return value >= minimum_ && value <= maximum_; }

void NumericField::updateValidator() { validator_->setShape(decimals_, integerDigits_, minimum_ < 0); }

}  // namespace kelvara::ui

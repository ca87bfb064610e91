#include "NumericField.h"

#include <QFontDatabase>
#include <QMetaMethod>

#include "FieldNote.h"
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
    connect(this, &QLineEdit::inputRejected, this, [this] {
        if (!rangeAnswered()) showRange(std::nullopt);
    });
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

bool NumericField::commit() {
    if (!isModified()) return true;
    setModified(false);
    const double entered = LeadingNumber(text().toStdString());
    if (!withinLimits(entered)) {
        change(accepted_);
        display();
        if (!rangeAnswered()) showRange(entered);
        emit rangeError(entered);
        return false;
    }
    setNumber(entered);
    return true;
}

bool NumericField::rangeAnswered() const {
    return isSignalConnected(QMetaMethod::fromSignal(&NumericField::rangeError));
}

// Told without a message box, beside the field, so the user sees at once why
// the entry went back or a key was not taken.
void NumericField::showRange(std::optional<double> refused) {
    const auto figure = [this](double value) { return QString::fromStdString(FormatNumber(value, decimals_)); };
    setToolTip(QString("This field takes %1 to %2.").arg(figure(minimum_), figure(maximum_)));
    FieldNote::Of(this)->present(refused ? QString("%1 is out of range. %2").arg(figure(*refused), toolTip())
                                         : toolTip());
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

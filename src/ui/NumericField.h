#pragma once
#include <optional>

#include "EntryField.h"

namespace kelvara::ui {

class NumericEntryValidator;

// A bounded numeric entry field: a number of decimals, a largest number of
// integer digits and a lower and upper limit. It shows its value right-aligned
// with "." as the decimal sign and a space between thousands.
//
// The value follows the typing: every edit whose text reads as a number within
// the limits becomes the value at once and is announced, so a window that
// stores each change always holds what the field shows. An edit beyond the
// limits leaves the value alone until the entry is committed (Enter or leaving
// the field); then it is refused: the field goes back to the last value it
// accepted and raises rangeError with the refused number. A window that does
// not answer rangeError with a message of its own leaves the telling to the
// field, which shows the range it takes in a note under itself (no message
// box) and keeps that range as its tooltip; so it does for a key it does not
// take. A text reads as its
// leading number with spaces ignored; an empty text reads as 0.
//
// A value set by the program is taken as given (result fields may show any
// figure) and is announced like a typed one.
class NumericField : public EntryField {
    Q_OBJECT

public:
    int decimals() const { return decimals_; }
    int integerDigits() const { return integerDigits_; }
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }

    void setIntegerDigits(int digits);
    void setMinimum(double minimum);
    void setMaximum(double maximum);
    void setRange(double minimum, double maximum);

    // Shows the figures in the fixed-width font, so that columns line up.
    void setFixedPitch(bool fixed);

signals:
    void rangeError(double refused);

protected:
    NumericField(int decimals, int integerDigits, double minimum, double maximum, QWidget* parent);

    void setDecimals(int decimals);
    double number() const { return value_; }
    void setNumber(double value);

    // Announces a new value in the type of the concrete field.
    virtual void announce(double value) = 0;

    bool commit() override;

private:
    void takeEdit(const QString& text);
    void change(double value);
    void display();
    bool withinLimits(double value) const;
    void updateValidator();
    bool rangeAnswered() const;
    void showRange(std::optional<double> refused);

    int decimals_;
    int integerDigits_;
    double minimum_;
    double maximum_;
    double value_ = 0;
    double accepted_ = 0;  // the value to go back to when an entry is refused
    NumericEntryValidator* validator_;
};

}  // namespace kelvara::ui

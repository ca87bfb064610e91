#pragma once
#include <optional>

#include "DayNumber.h"
#include "EntryField.h"

namespace kelvara::ui {

// A date entry field: the value is a day number, shown as dd/mm/yyyy; an empty
// field shows "__/__/____". Its lower and upper bounds may be moved at any
// time, for instance to keep a start date before an end date.
//
// Like the numeric fields, the value follows the typing: once the text forms a
// whole date that exists and lies within the bounds it becomes the value and is
// announced. On Enter or leaving the field the entry is checked: a date that
// does not exist (or an incomplete one) raises invalidDate with the text, a
// date outside the bounds raises outOfBounds with its day number, and in both
// cases the field goes back to the last date it accepted. A date set by the
// program is taken as given and announced like a typed one.
class DateField : public EntryField {
    Q_OBJECT

public:
    explicit DateField(QWidget* parent = nullptr);

    // Day 0 (30/12/1899) while the field is empty.
    DayNumber value() const { return value_.value_or(0); }
    bool isEmpty() const { return !value_.has_value(); }
    void setValue(DayNumber day);
    void setEmpty();

    DayNumber minimum() const { return minimum_; }
    DayNumber maximum() const { return maximum_; }
    void setMinimum(DayNumber day) { minimum_ = day; }
    void setMaximum(DayNumber day) { maximum_ = day; }
    void setBounds(DayNumber minimum, DayNumber maximum);

signals:
    void valueChanged(kelvara::DayNumber day);
    void invalidDate(const QString& text);
    void outOfBounds(kelvara::DayNumber day);

protected:
    bool commit() override;

private:
    void takeEdit(const QString& text);
    void change(std::optional<DayNumber> day);
    void display();
    bool withinBounds(DayNumber day) const { return day >= minimum_ && day <= maximum_; }

    std::optional<DayNumber> value_;
    std::optional<DayNumber> accepted_;  // the date to go back to when an entry is refused
    DayNumber minimum_;
    DayNumber maximum_;
};

}  // namespace kelvara::ui

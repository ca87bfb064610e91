#include "DateField.h"

namespace kelvara::ui {

namespace {

constexpr QChar kBlank = u'_';

// The date the text stands for, if it is complete and exists.
std::optional<DayNumber> DateOf(const QString& text) {
    if (text.contains(kBlank)) return std::nullopt;
    return ParseDate(text.toStdString());
}

}  // namespace

DateField::DateField(QWidget* parent)
    : EntryField(parent), minimum_(ToDayNumber({1900, 1, 1})), maximum_(ToDayNumber({9999, 12, 31})) {
    setInputMask(QStringLiteral("99/99/9999;") + kBlank);
    connect(this, &QLineEdit::textEdited, this, [this] { takeEdit(displayText()); });
}

void DateField::setValue(DayNumber day) {
    accepted_ = day;
    change(day);
    display();
}

void DateField::setEmpty() {
    accepted_.reset();
    change(std::nullopt);
    display();
}

void DateField::setBounds(DayNumber minimum, DayNumber maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

bool DateField::commit() {
    if (!isModified()) return true;
    setModified(false);
    const QString entered = displayText();
    const std::optional<DayNumber> day = DateOf(entered);
    if (day && withinBounds(*day)) {
        setValue(*day);
        return true;
    }
    change(accepted_);
    display();
    if (day) {
        emit outOfBounds(*day);
    } else {
        emit invalidDate(entered);
    }
    return false;
}

void DateField::takeEdit(const QString& text) {
    const std::optional<DayNumber> day = DateOf(text);
    if (day && withinBounds(*day)) change(day);
}

void DateField::change(std::optional<DayNumber> day) {
    if (day == value_) return;
    value_ = day;
    if (day) emit valueChanged(*day);
}

void DateField::display() { setText(value_ ? QString::fromStdString(FormatDate(*value_)) : QString()); }

}  // namespace kelvara::ui

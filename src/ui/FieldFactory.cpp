#include "FieldFactory.h"

#include <QLabel>

#include "DecimalField.h"
#include "WholeNumberField.h"

namespace kelvara::ui {

namespace {

template <typename Field>
Field* Bounded(const QString& name, const FieldBounds& bounds, QWidget* parent) {
    auto* field = new Field(parent);
    field->setObjectName(name);
    field->setIntegerDigits(bounds.IntegerDigits);
    field->setRange(bounds.Min, bounds.Max);
    return field;
}

}  // namespace

DecimalField* BoundedDecimal(const QString& name, const FieldBounds& bounds, QWidget* parent) {
    auto* field = Bounded<DecimalField>(name, bounds, parent);
    field->setDecimals(bounds.Decimals);
    return field;
}

WholeNumberField* BoundedWholeNumber(const QString& name, const FieldBounds& bounds, QWidget* parent) {
    return Bounded<WholeNumberField>(name, bounds, parent);
}

DecimalField* BoundedDecimal(const NamedFieldBounds& field, QWidget* parent) {
    return BoundedDecimal(field.Field, field.Bounds, parent);
}

WholeNumberField* BoundedWholeNumber(const NamedFieldBounds& field, QWidget* parent) {
    return BoundedWholeNumber(field.Field, field.Bounds, parent);
}

DecimalField* ResultField(const QString& name, int decimals, QWidget* parent) {
    auto* field = new DecimalField(parent);
    field->setObjectName(name);
    field->setDecimals(decimals);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

QLabel* Caption(const QString& text, const QString& arrayName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(arrayName);
    return label;
}

}  // namespace kelvara::ui

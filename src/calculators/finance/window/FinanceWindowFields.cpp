#include "FinanceWindowFields.h"

#include <QLabel>

#include "DecimalField.h"
#include "MessageService.h"
#include "WholeNumberField.h"

namespace kelvara {

namespace {

template <typename Field>
Field* NamedInput(const NamedFieldBounds& bounds, QWidget* parent) {
    auto* field = new Field(parent);
    field->setObjectName(bounds.Field);
    field->setIntegerDigits(bounds.Bounds.IntegerDigits);
    field->setRange(bounds.Bounds.Min, bounds.Bounds.Max);
    return field;
}

}  // namespace

ui::DecimalField* DecimalInput(const NamedFieldBounds& bounds, QWidget* parent) {
    auto* field = NamedInput<ui::DecimalField>(bounds, parent);
    field->setDecimals(bounds.Bounds.Decimals);
    return field;
}

ui::WholeNumberField* WholeNumberInput(const NamedFieldBounds& bounds, QWidget* parent) {
    return NamedInput<ui::WholeNumberField>(bounds, parent);
}

ui::DecimalField* ResultField(const QString& name, int decimals, QWidget* parent) {
    auto* field = new ui::DecimalField(parent);
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

void Refuse(QWidget* window, const Refusal& message, QWidget* field) {
    ui::ShowMessage(window, QString::fromStdString(message.Title), QString::fromStdString(message.Text));
    field->setFocus();
}

}  // namespace kelvara

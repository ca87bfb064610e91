#include "FinanceWindowFields.h"

#include <QLabel>

#include "DecimalField.h"
#include "MessageService.h"
#include "WholeNumberField.h"

namespace kelvara {

namespace {

template <typename Field>
Field* BoundedField(const FinanceFieldBounds& bounds, QWidget* parent) {
    auto* field = new Field(parent);
    field->setObjectName(bounds.Name);
    field->setIntegerDigits(bounds.IntegerDigits);
    field->setRange(bounds.Min, bounds.Max);
    return field;
}

}  // namespace

ui::DecimalField* DecimalInput(const FinanceFieldBounds& bounds, QWidget* parent) {
    auto* field = BoundedField<ui::DecimalField>(bounds, parent);
    field->setDecimals(bounds.Decimals);
    return field;
}

ui::WholeNumberField* WholeNumberInput(const FinanceFieldBounds& bounds, QWidget* parent) {
    return BoundedField<ui::WholeNumberField>(bounds, parent);
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

void Refuse(QWidget* window, const FinanceMessage& message, QWidget* field) {
    ui::ShowMessage(window, QString::fromStdString(message.Title), QString::fromStdString(message.Text));
    field->setFocus();
}

}  // namespace kelvara

#pragma once
#include <QString>

#include "FinanceFields.h"

class QLabel;
class QWidget;

namespace kelvara {

namespace ui {
class DecimalField;
class NumericField;
class WholeNumberField;
}  // namespace ui

// Entry fields of the finance windows made from the bounds the computation
// gives them, so the window and the command-line tool refuse the same values.
ui::DecimalField* DecimalInput(const NamedFieldBounds& bounds, QWidget* parent);
ui::WholeNumberField* WholeNumberInput(const NamedFieldBounds& bounds, QWidget* parent);

// A read-only field that shows a result with the given decimals.
ui::DecimalField* ResultField(const QString& name, int decimals, QWidget* parent);

// A caption of one of the window's label arrays ("Label1", "Label2").
QLabel* Caption(const QString& text, const QString& arrayName, QWidget* parent);

// Shows a refusal (error icon) and puts the focus back on the field concerned.
void Refuse(QWidget* window, const Refusal& message, QWidget* field);

}  // namespace kelvara

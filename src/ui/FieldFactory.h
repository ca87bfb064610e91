#pragma once
#include <QString>

#include "FieldBounds.h"

class QLabel;
class QWidget;

namespace kelvara::ui {

class DecimalField;
class WholeNumberField;

// The fields every calculator window builds, named for the tests, layouts
// and records that find them by name.

// An entry field that takes what its bounds allow.
DecimalField* BoundedDecimal(const QString& name, const FieldBounds& bounds, QWidget* parent);
WholeNumberField* BoundedWholeNumber(const QString& name, const FieldBounds& bounds, QWidget* parent);

// The same, named by the row of the bounds table.
DecimalField* BoundedDecimal(const NamedFieldBounds& field, QWidget* parent);
WholeNumberField* BoundedWholeNumber(const NamedFieldBounds& field, QWidget* parent);

// A read-only field that shows a result with the given decimals and never
// takes the focus.
DecimalField* ResultField(const QString& name, int decimals, QWidget* parent);

// A caption named for the label array it belongs to ("Label1").
QLabel* Caption(const QString& text, const QString& arrayName, QWidget* parent);

}  // namespace kelvara::ui

#pragma once
#include "FinanceFields.h"

class QWidget;

namespace kelvara {

// Shows a refusal (error icon) and puts the focus back on the field concerned.
void Refuse(QWidget* window, const Refusal& message, QWidget* field);

}  // namespace kelvara

#include "FinanceWindowFields.h"

#include <QWidget>

#include "MessageService.h"

namespace kelvara {

void Refuse(QWidget* window, const Refusal& message, QWidget* field) {
    ui::ShowRefusal(window, message);
    field->setFocus();
}

}  // namespace kelvara

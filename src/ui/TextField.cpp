#include "TextField.h"

namespace kelvara::ui {

TextField::TextField(int maxLength, QWidget* parent) : EntryField(parent) { setMaxLength(maxLength); }

}  // namespace kelvara::ui

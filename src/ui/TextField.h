#pragma once
#include "EntryField.h"

namespace kelvara::ui {

// A free-text entry field with a length limit, such as an employee's name.
// Its change notification is textChanged, raised for typing and for text set
// by the program alike.
class TextField : public EntryField {
    Q_OBJECT

public:
    explicit TextField(int maxLength, QWidget* parent = nullptr);
};

}  // namespace kelvara::ui

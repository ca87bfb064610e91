#pragma once
#include <QWidget>

namespace kelvara::ui {

// A small pair of arrow buttons, one above the other, that step a figure up or
// down once per click. The buttons never take the focus: a press changes
// nothing until its release, and then the field being edited takes its entry
// first; a refused entry (with its message) takes no step. So no message box
// can come up while a button is held down, and none is left held.
class SpinButtons : public QWidget {
    Q_OBJECT

public:
    explicit SpinButtons(QWidget* parent = nullptr);

signals:
    void up();
    void down();
};

}  // namespace kelvara::ui

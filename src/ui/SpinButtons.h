#pragma once
#include <QWidget>

namespace kelvara::ui {

// A small pair of arrow buttons, one above the other, that step a figure up or
// down; holding a button down repeats its step. Clicking takes the focus, so a
// field being edited commits its entry before the step.
class SpinButtons : public QWidget {
    Q_OBJECT

public:
    explicit SpinButtons(QWidget* parent = nullptr);

signals:
    void up();
    void down();
};

}  // namespace kelvara::ui

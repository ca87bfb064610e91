#pragma once
#include <QObject>
#include <functional>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace kelvara {

// Gives the access keys of the active calculator window precedence over the
// main window's menu: with a calculator active, Alt+C presses its
// "&Calculate" rather than opening "&Car Calculations". A key the calculator
// does not use still opens its menu, and so do Alt alone and F10.
//
// It watches the program's key presses: before the menu sees a key, the
// calculator claims it when one of its visible, enabled buttons carries it,
// and the press then clicks that button (or, when several carry it, moves
// the focus to the next of them, as the toolkit does).
class CalculatorAccessKeys : public QObject {
    Q_OBJECT

public:
    // activeCalculator names the calculator window whose keys win, or nullptr
    // when none is active.
    CalculatorAccessKeys(std::function<QWidget*()> activeCalculator, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QAbstractButton*> carrying(const QKeyEvent& key) const;

    std::function<QWidget*()> activeCalculator_;
};

}  // namespace kelvara

#include "CalculatorAccessKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

#include "EditedEntry.h"

namespace kelvara {

CalculatorAccessKeys::CalculatorAccessKeys(std::function<QWidget*()> activeCalculator, QObject* parent)
    : QObject(parent), activeCalculator_(std::move(activeCalculator)) {
    qApp->installEventFilter(this);
}

// The buttons of the active calculator that the key presses, when the focus
// lies in that calculator.
QList<QAbstractButton*> CalculatorAccessKeys::carrying(const QKeyEvent& key) const {
    if (!(key.modifiers() & Qt::AltModifier) || key.key() == Qt::Key_Alt || QApplication::activePopupWidget())
        return {};
    QWidget* calculator = activeCalculator_();
    QWidget* focus = QApplication::focusWidget();
    if (!calculator || !focus || !(focus == calculator || calculator->isAncestorOf(focus))) return {};
    const QKeySequence pressed(key.keyCombination());
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : calculator->findChildren<QAbstractButton*>())
        if (button->isVisible() && button->isEnabled() && QKeySequence::mnemonic(button->text()) == pressed)
            buttons << button;
    return buttons;
}

bool CalculatorAccessKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const QList<QAbstractButton*> buttons = carrying(*static_cast<QKeyEvent*>(event));
    if (buttons.isEmpty()) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // the key comes to the calculator, not to the menu's shortcut
        return true;
    }
    if (buttons.size() == 1) {
        // As with any access key, the field being edited takes its entry first,
        // and a refused entry stops the button.
        if (ui::CommitEditedEntry(buttons.front()->window())) buttons.front()->animateClick();
    } else {
        const qsizetype current = buttons.indexOf(qobject_cast<QAbstractButton*>(QApplication::focusWidget()));
        buttons.at((current + 1) % buttons.size())->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
}

}  // namespace kelvara

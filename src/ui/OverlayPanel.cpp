#include "OverlayPanel.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace kelvara::ui {

namespace {

// The controls a user reads or clicks and the frames that group them, by their
// rectangles in the window; a field's own parts (its spin buttons) go with
// the field.
QList<QRect> ControlsBeside(const QWidget& panel, QWidget& window) {
    QList<QRect> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QLineEdit*>(w) || qobject_cast<QGroupBox*>(w);
        if (!control || !w->isVisible() || w == &panel || panel.isAncestorOf(w) || w->isAncestorOf(&panel)) continue;
        if (qobject_cast<QLineEdit*>(w->parentWidget())) continue;
        controls << QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
    }
    return controls;
}

}  // namespace

void CoverWholeControls(QWidget& panel) {
    QWidget* window = panel.parentWidget();
    if (!window) return;
    const QList<QRect> controls = ControlsBeside(panel, *window);
    const QRect placed = panel.geometry();
    QRect area = placed;
    for (bool grown = true; grown;) {
        grown = false;
        for (const QRect& control : controls) {
            if (area.intersects(control) && !area.contains(control)) {
                area |= control;
                grown = true;
            }
        }
    }
    if (area != placed) panel.setGeometry((area & window->rect()) | placed);
}

}  // namespace kelvara::ui

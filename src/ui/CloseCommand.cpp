#include "CloseCommand.h"

#include <QAbstractButton>
#include <QMdiSubWindow>

namespace kelvara::ui {

void CloseWindow(QWidget& window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget()); frame && frame->widget() == &window)
        frame->close();
    else
        window.close();
}

void ClosesWindow(QAbstractButton* button, QWidget* window) {
    QObject::connect(button, &QAbstractButton::clicked, window, [window] { CloseWindow(*window); });
}

}  // namespace kelvara::ui

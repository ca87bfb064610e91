#include "ActivationNotifier.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QWidget>

namespace kelvara::ui {

ActivationNotifier::ActivationNotifier(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
    followSubWindow();
}

bool ActivationNotifier::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        switch (event->type()) {
            case QEvent::ParentChange: followSubWindow(); break;
            case QEvent::WindowActivate:
                // A child window hears of its activation from its frame instead.
                if (window_->isWindow()) emit activated();
                break;
            default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ActivationNotifier::followSubWindow() {
    auto* frame = qobject_cast<QMdiSubWindow*>(window_->parentWidget());
    if (frame == subWindow_) return;
    if (subWindow_) disconnect(subWindow_, nullptr, this, nullptr);
    subWindow_ = frame;
    if (!frame) return;
    connect(frame, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (!(before & Qt::WindowActive) && (now & Qt::WindowActive)) emit activated();
    });
}

}  // namespace kelvara::ui

#pragma once
#include <QObject>
#include <QPointer>

class QMdiSubWindow;
class QWidget;

namespace kelvara::ui {

// Tells a calculator window each time it becomes the active window, whether
// it stands on its own or as a child window inside the main window's work
// area. The calculators that recalculate on every activation listen to it.
class ActivationNotifier : public QObject {
    Q_OBJECT

public:
    explicit ActivationNotifier(QWidget* window);

signals:
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followSubWindow();

    QWidget* window_;
    QPointer<QMdiSubWindow> subWindow_;
};

}  // namespace kelvara::ui

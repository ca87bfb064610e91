#pragma once
#include <QFrame>
#include <cstdint>
#include <functional>

class QPushButton;

namespace kelvara::ui {

// The print frame of a calculator window, hidden until "&Print" shows it:
// "&View/Export report" (cmdVR), "P&rint directly to printer" (cmdPD) and a
// cancel button that hides the frame again.
class PrintPanel : public QFrame {
    Q_OBJECT

public:
    PrintPanel(const QString& cancelCaption, QWidget* parent);

    QPushButton* cmdVR() const { return cmdVR_; }
    QPushButton* cmdPD() const { return cmdPD_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Shows the frame in front of the window's other controls; laid over
    // them, it covers each control it overlaps wholly.
    void present();

signals:
    void viewReport();
    void printDirectly();

private:
    QPushButton* cmdVR_;
    QPushButton* cmdPD_;
    QPushButton* cancel_;
};

// The usual way of printing: each of the two buttons sets where the report
// goes (0: a report window, 1: straight to the printer), runs the window's
// print routine under the hourglass and hides the frame.
void UsePrintRoutine(PrintPanel& panel, std::int16_t& printDirect, std::function<void()> printRoutine);

}  // namespace kelvara::ui

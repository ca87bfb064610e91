#pragma once
#include <QWidget>
#include <functional>

#include "Working.h"

class QPushButton;
class QTableWidget;

namespace kelvara::ui {

// The working of a calculator's last calculation, read-only: a line a step,
// headings shaded and the figures the calculator shows in bold. "&Copy" puts
// the account on the clipboard as text, "&Print" hands it to the print
// routine, "&Close" closes the window. It stays above its calculator and
// closes with it.
class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    WorkingWindow(const QString& calculator, std::function<void(const Working&)> print, QWidget* parent);

    // Shows the account of the last calculation and brings the window up.
    void present();

    // The calculator calculated again; explain works that calculation out once
    // more with its working recorded, when the account is wanted. An open
    // window shows the new account at once.
    void calculated(std::function<Working()> explain);

    const Working& working() const { return working_; }

private:
    void fill();

    std::function<Working()> explain_;
    Working working_;
    QTableWidget* grdWorking;
    QPushButton* cmdCopy;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;
};

}  // namespace kelvara::ui

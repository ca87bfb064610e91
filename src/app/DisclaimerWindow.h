#pragma once
#include <QDialog>

class QCheckBox;
class QPushButton;

namespace kelvara {

// The disclaimer (frmDisclaimerYesNo), which the user accepts once per program
// version. "&OK" stays disabled until the box is ticked; accepting stores the
// version number, and accepted() tells the start-up whether to go on.
class DisclaimerWindow : public QDialog {
    Q_OBJECT
public:
    explicit DisclaimerWindow(QWidget* mainWindow);

    bool accepted() const { return accepted_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void acceptDisclaimer();

    QCheckBox* check_;
    QPushButton* ok_;
    bool accepted_ = false;
};

}  // namespace kelvara

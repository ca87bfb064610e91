#pragma once
#include "PayslipReport.h"
#include "PrintPanel.h"

class QRadioButton;

namespace kelvara {

namespace ui {
class TextField;
}

// The print panel of the PAYE windows: the report's language ("&English
// print" when the window opens), the employee's name of at most 50
// characters, and the report buttons with "&Cancel".
class PayslipPrintPanel : public ui::PrintPanel {
    Q_OBJECT

public:
    explicit PayslipPrintPanel(QWidget* parent);

    ReportLanguage language() const;
    ui::TextField* nameField() const { return Text1; }

    // Shows the panel in front, in the middle of the window.
    void presentCentred();

private:
    QRadioButton* Option1;
    QRadioButton* Option2;
    ui::TextField* Text1;
};

}  // namespace kelvara

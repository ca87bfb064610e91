#pragma once
#include <QGroupBox>

class QLabel;
class QPushButton;

namespace kelvara {

// The "General Information" panel of the PAYE windows: what belongs in the
// salary field and how retirement-fund contributions are treated. Hidden until
// the information button shows it in front; its "&OK" hides it again.
class InformationPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit InformationPanel(QWidget* parent);

    // Shows the panel in front, across the top of the window.
    void present();

private:
    QLabel* lblABC;
    QPushButton* cmdOK_Info_One;
};

}  // namespace kelvara

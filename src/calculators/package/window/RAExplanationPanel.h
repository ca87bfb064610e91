#pragma once
#include <QGroupBox>

#include "RAExplanation.h"

class QLabel;
class QPushButton;

namespace kelvara {

// The panel that explains the largest retirement-annuity contribution
// allowed, shown in front of a package window by "&R/A Explained" and closed
// by its "&OK".
class RAExplanationPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit RAExplanationPanel(QWidget* parent);

    // Shows the panel in front with the package's worked lines.
    void Present(const RAExplanationLines& lines);

    QPushButton* cmdRAOK() const { return cmdRAOK_; }

private:
    QLabel* lineA_;
    QLabel* lineC_;
    QPushButton* cmdRAOK_;
};

}  // namespace kelvara

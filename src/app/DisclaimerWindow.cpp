#include "DisclaimerWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppVersion.h"
#include "StartUpPreferences.h"
#include "WindowPlacement.h"

namespace kelvara {

namespace {

constexpr const char* WarrantyParagraph =
    "This program is supplied as is. Kelvara Software makes every effort to keep its calculations "
    "correct and in line with the tax legislation of the year, but gives no warranty of any kind, "
    "express or implied, that the program or its results are free of errors or fit for any purpose. "
    "Kelvara Software, its directors and its staff accept no liability for any loss or damage, direct "
    "or indirect, that arises from the use of this program or of its results. Check every result "
    "before you rely on it.";

constexpr const char* UpdatesParagraph =
    "The program is updated regularly as the tax legislation and the rates change, and the updates "
    "are free of charge. It is your responsibility to obtain and install the updates as they appear.";

QLabel* Paragraph(const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

DisclaimerWindow::DisclaimerWindow(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName("frmDisclaimerYesNo");
    setWindowTitle(QString(MakerName) + " Disclaimer");

    check_ = new QCheckBox(
        " I have read this disclaimer and I understand and agree with the contents of this disclaimer", this);
    check_->setObjectName("chkDisclaimerYesNo");

    ok_ = new QPushButton("&OK", this);
    ok_->setObjectName("cmdOk");
    ok_->setEnabled(false);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("cmdCancel");

    connect(check_, &QCheckBox::toggled, ok_, &QPushButton::setEnabled);
    connect(ok_, &QPushButton::clicked, this, &DisclaimerWindow::acceptDisclaimer);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Paragraph(WarrantyParagraph, this));
    layout->addSpacing(6);
    layout->addWidget(Paragraph(UpdatesParagraph, this));
    layout->addSpacing(10);
    layout->addWidget(check_);
    layout->addLayout(buttons);
    FixWidthFitHeight(*this, 680);
}

// Placed over the main window each time it appears, and brought to the front.
void DisclaimerWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (parentWidget()) PlaceOverMainWindow(*this, *parentWidget()->window());
    raise();
}

// "&OK" is only enabled with the box ticked; the check guards against a click
// that arrives otherwise.
void DisclaimerWindow::acceptDisclaimer() {
    if (!check_->isChecked()) return;
    accepted_ = true;
    SetAcceptedDisclaimerVersion(VersionNumber(CurrentVersion()));
    accept();
}

}  // namespace kelvara
